#pragma once

#include "platform/Clock.h"

#include <QString>
#include <cstdint>

class QComboBox;
class QWidget;
class TIniFile;

// "00:1A:2B:3C:4D:5E" for the six bytes in order.
QString FormatMac(const std::uint8_t mac[6]);
// True when every character is a hexadecimal digit; the empty text too.
bool IsHexText(const QString& text);
// A WPS PIN of 4 or 8 decimal digits whose weighted digit sum (3,1,3,1,...) ends in 0.
bool IsValidWpsPin(const QString& text);
// Selects the first entry whose attached value (item data) is value; false when none is.
bool SelectComboByValue(QComboBox* list, int value);
// Centres window on the primary screen.
void CentreOnScreen(QWidget* window);
// Gives edit the focus when its window is visible and edit can take it.
void FocusEdit(QWidget* edit);

// One blank is put in front and one at the end, unless there is one already; empty stays empty.
void PadWithSpaces(QString& text);
// The integers among the items of text (split at commas, blanks and control characters;
// a quoted item may hold them), stored in order up to capacity; returns how many were found.
int ParseIntList(const QString& text, int* out, int capacity);

// Marks page as a page: its components belong to it, not to the window that shows it.
void MarkAsPage(QWidget* page);
bool IsPage(const QWidget* widget);

// Replaces the texts of the components that window (or page) owns by those of section.
void TranslateTexts(QWidget* window, const QString& section, const TIniFile& reader);
// Lets sections base_CtrlPos and base_Visible move, resize, show and hide the components that
// control owns, and those of the components it contains that own components themselves.
void ApplyLayout(QWidget* control, const QString& base, const TIniFile& reader);
