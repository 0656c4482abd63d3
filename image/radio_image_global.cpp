#include "radio_image_global.h"

#include "image/new_image.h"

zrx::RadioImage g_radioImage = zrx::makeNewImage();
