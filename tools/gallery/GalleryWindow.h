#pragma once

#include <QWidget>
#include <memory>

class TFormRes;
class TImageList;

// One window that shows the program's own controls in each of their states, on the program's
// built-in pictures: the autorun menu, the page buttons, the colour button, the image button,
// the sortable list view and the centred edits.
class GalleryWindow : public QWidget
{
    Q_OBJECT

public:
    explicit GalleryWindow(const TFormRes& pictures, QWidget* parent = nullptr);
    ~GalleryWindow() override;

private:
    QWidget* section(const QString& title, const QRect& area);
    void buildAutorun(const QRect& area);
    void buildPageButtons(const QRect& area);
    void buildColorButtons(const QRect& area);
    void buildImageButtons(const QRect& area);
    void buildListView(const QRect& area);
    void buildCentredEdits(const QRect& area);

    const TFormRes& pictures_;
    std::unique_ptr<TImageList> glyphs_;
};
