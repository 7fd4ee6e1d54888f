// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "objectfiler.h"

#include "storage/calendarfile.h"
#include "storage/objectrecords.h"

#include <QFileInfo>

bool TGLabelObjectFiler::saveObjects(const std::vector<const TGGraphicControl *> &objects,
                                     const QString &path, QString *error)
{
    const CalendarFile::FileResult written =
        CalendarFile::writeFileBytes(path, ObjectRecords::objectListBytes(objects));
    if (!written.ok && error)
        *error = written.message;
    return written.ok;
}

std::vector<std::unique_ptr<TGGraphicControl>> TGLabelObjectFiler::loadObjects(const QString &path,
                                                                               QString *error)
{
    if (!QFileInfo::exists(path))
        return {};
    QByteArray bytes;
    const CalendarFile::FileResult read = CalendarFile::readFileBytes(path, bytes);
    if (!read.ok) {
        if (error)
            *error = read.message;
        return {};
    }
    // The surface names what it pastes; the names read here only need to be unique.
    ObjectRecords::ReadResult result = ObjectRecords::readObjectList(bytes, {}, kPasteOffset);
    if (!result.error.isEmpty() && error)
        *error = result.error;
    return std::move(result.objects);
}

std::unique_ptr<TGGraphicControl> TGLabelObjectFiler::cloneObject(const TGGraphicControl &object,
                                                                  QString *error)
{
    ObjectRecords::ReadResult result =
        ObjectRecords::readObjectList(ObjectRecords::objectListBytes({&object}), {});
    if (result.objects.size() != 1) {
        if (error)
            *error = result.error;
        return nullptr;
    }
    return std::move(result.objects.front());
}
