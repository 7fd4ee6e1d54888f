// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class PageModel;
struct RenderOptions;

// --add-picture FILE --rect L,T,W,H (as often as wanted): places a clip-art object of each
// picture, read as the image browser reads it, stretched over the rectangle (inches from the
// paper's top left), in front of the page's objects and in the order given. False, after a
// message naming the file or rectangle, when a picture cannot be read or a rectangle does not
// lie on the paper; the page then has none of them.
bool addRenderPictures(const RenderOptions &options, PageModel &page);
