// SPDX-License-Identifier: MIT
#pragma once

// Tells screen readers what the forms' own kinds of control are: a form is a
// window, named by its caption; a picture box is an image, described by its
// accessible description; a link label is a link whose press action clicks it;
// a text box reads whole and answers every query for its text; an announcer
// is heard at once.
void installFormsAccessibility();
