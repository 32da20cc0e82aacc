#pragma once

#include <QImage>
#include <QString>
#include <vector>

// Every built-in picture of the program, drawn at its exact size.
struct Artwork
{
    QString name; // the component name of the picture store
    bool jpeg;    // JPEG file, or a 24-bit Windows bitmap
    QImage picture;
};

std::vector<Artwork> DrawAllArtwork();
