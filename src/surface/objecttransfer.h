// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>
#include <vector>

class TGGraphicControl;

// Reads and writes freeform objects for the object clipboard and for cloning, in the same
// records a calendar document keeps. The storage library implements it; the program hands
// one to each surface that copies and pastes, and the surface owns it.
class ObjectTransfer
{
public:
    virtual ~ObjectTransfer() = default;

    // Writes the objects, in this order, into a clipboard file, creating or replacing it.
    // False with a message when the file cannot be written.
    virtual bool saveObjects(const std::vector<const TGGraphicControl *> &objects,
                             const QString &path, QString *error) = 0;
    // Every object of a clipboard file, back to front, each moved 15 pixels right and 15
    // down from where it was copied, read as a document reads objects (menu built, reading
    // over), with the names stored in the file. A missing file gives nothing and no error.
    // When the file is damaged the objects read before the failing one are returned and
    // error is set.
    virtual std::vector<std::unique_ptr<TGGraphicControl>> loadObjects(const QString &path,
                                                                       QString *error) = 0;
    // A copy made by writing the object's record and reading it back, at the object's own
    // place; null with a message on failure.
    virtual std::unique_ptr<TGGraphicControl> cloneObject(const TGGraphicControl &object,
                                                          QString *error) = 0;
};
