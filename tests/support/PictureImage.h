#pragma once
// Pictures as Qt images, for the tests that hand files to the codecs or to the program.
#include "tests/support/Pictures.h"
#include <QImage>

// A width x height image (Format_RGB32; 0 for the picture's own size) whose pixel (x, y)
// has the letter rows[y % rows][x % that row's length]: the picture repeated to fill it.
QImage PictureImage(const Rows& rows, const Legend& own = {}, int width = 0, int height = 0);
