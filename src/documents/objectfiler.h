// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "surface/objecttransfer.h"

// The object clipboard file and clones, in the records documents keep objects in.
class TGLabelObjectFiler : public ObjectTransfer
{
public:
    // Pasted objects land this far right of and below where they were copied.
    static constexpr int kPasteOffset = 15;

    bool saveObjects(const std::vector<const TGGraphicControl *> &objects, const QString &path,
                     QString *error) override;
    std::vector<std::unique_ptr<TGGraphicControl>> loadObjects(const QString &path,
                                                               QString *error) override;
    std::unique_ptr<TGGraphicControl> cloneObject(const TGGraphicControl &object,
                                                  QString *error) override;
};
