// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/documentoptions.h"

#include <QStringList>

#include <vector>

class TComponent;
class TGGraphicControl;

// The source files of clip art's pictures (photos kept as their JPEG files). The object's
// record holds only a preview bitmap, which is all that readers stopping at the last end
// marker see; the file goes in the options list after it, one entry a picture named by the
// object's place among the objects written ("PictureSource:<place>", OptionsList), written
// only when some picture has a source.
namespace PictureSources {

// The object a record of the stream holds; null for any other component.
TGGraphicControl *objectOf(TComponent *component);

// options with the sources of the pictures of objects (records of objects, in the order they
// are written), and no source entry left from before.
DocumentOptions withSources(const DocumentOptions &options, const std::vector<TComponent *> &objects);

// options without source entries (a style sheet brings no objects, so none of its own).
DocumentOptions withoutSources(const DocumentOptions &options);

// Gives the objects read (by their places; null where a record held no object) the sources in
// options and takes every source entry out of options. An entry that names no clip-art object,
// or whose file cannot be read, is left out and named in dropped: the object keeps the
// picture its record held.
void takeSources(DocumentOptions &options, const std::vector<TGGraphicControl *> &objects,
                 QStringList &dropped);

} // namespace PictureSources
