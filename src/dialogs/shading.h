// Colour shading: a lighter or darker tone of one colour, made by scaling
// the lightness of the colour in the hue-lightness-saturation model.
//
// The percentage p is the relative change of lightness: +20 makes the
// colour 20 % lighter (lightness x 1.2), -30 darker (lightness x 0.7), -100
// or less black. Hue and saturation stay. The components that come out are
// not limited to 0..255: lightening a light colour can go above 255, and the
// caller (or Nearest_RGB_Color, which clamps) gets them as they are.
#ifndef DIALOGS_SHADING_H
#define DIALOGS_SHADING_H

// The colour index of the colour index `colour` shaded by p percent (its
// components read with pxQCR, the result from Nearest_RGB_Color). Never
// fails; an unknown index counts as black, which stays black.
int Shade_Color(int colour, double p);

// The same on three components held by the caller, written back in place;
// no call of the window library. Null pointers count as 0 and are skipped.
void Shade_RGB(int *r, int *g, int *b, double p);

#endif
