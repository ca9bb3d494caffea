#pragma once

// The application icon's pixels, ARGB32 as QImage lays them out; generated
// at build time from the icon's PNG.
extern const int application_icon_width;
extern const int application_icon_height;
extern const unsigned char application_icon_argb32[];
