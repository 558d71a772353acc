// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

class QPainter;
class QRect;
class QWidget;

// A form's colours, font sizes and icon, written in Designer as dynamic
// properties of the form and its controls:
//   backColor      (colour)   the background of a control, or of the form
//   foreColor      (colour)   a control's text
//   fontPixelSize  (number)   a control's font size in pixels
//   iconFile       (string)   the form's icon, an image file whose suffix
//                             names its format
// Bold, italic and underline stay in the standard font property. Designer's
// own font property knows sizes in whole points only, and the forms are laid
// out in pixels: 13 pixels is 9.75 points. Its windowIcon property has Qt
// ask every image plugin whether it reads the file before Qt's own readers
// get to it, which loads them all.

// Gives a control the colours and font size its properties name, and a form
// its icon. A form with a backColor has its background painted by the style,
// so that the form's colour does not pass down into its controls' palettes
// (where it would tint the outlines of buttons and frames).
void applyControlProperties(QWidget *widget);

// Paints a form's backColor over rect, if it has one.
bool paintFormBackground(const QWidget *form, QPainter *painter, const QRect &rect);
