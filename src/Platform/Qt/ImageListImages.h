#pragma once

// Private to the platform layer: the images of an image list.

#include <QImage>
#include <QSize>

#include <vector>

class ImageListImages
{
public:
    QSize size;
    bool masked = false;
    std::vector<QImage> images;
};
