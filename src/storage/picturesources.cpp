// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturesources.h"

#include "objects/tgimage.h"
#include "storage/objectrecords.h"
#include "storage/optionslist.h"

namespace PictureSources {

namespace {

QString sourceName(size_t place)
{
    return OptionsList::kPictureSourcePrefix + QString::number(place);
}

// The reason the source under name cannot be given to its object, or nothing once given.
QString giveSource(const QString &name, const QVariant &value,
                   const std::vector<TGGraphicControl *> &objects, QString &what)
{
    bool ok = false;
    const int place = name.mid(OptionsList::kPictureSourcePrefix.size()).toInt(&ok);
    what = QStringLiteral("the picture file kept as %1").arg(name);
    if (!ok || place < 0)
        return QStringLiteral("the name gives no object's place");
    what = QStringLiteral("the picture file kept for object %1").arg(place + 1);
    if (size_t(place) >= objects.size())
        return QStringLiteral("the document has no such object");
    auto *image = dynamic_cast<TGImage *>(objects[size_t(place)]);
    if (!image)
        return QStringLiteral("the object is not clip art");
    if (value.typeId() != QMetaType::QByteArray)
        return QStringLiteral("the value is not a file");
    const ImageStatus status = image->pictureContainer().setSourceData(value.toByteArray());
    return status.error;
}

} // namespace

DocumentOptions withoutSources(const DocumentOptions &options)
{
    DocumentOptions kept;
    for (const DocumentOptions::Entry &entry : options.entries()) {
        if (!OptionsList::holdsBytes(entry.first))
            kept.setValue(entry.first, entry.second);
    }
    return kept;
}

TGGraphicControl *objectOf(TComponent *component)
{
    const auto *record = dynamic_cast<const ObjectRecord *>(component);
    return record ? &record->object() : nullptr;
}

DocumentOptions withSources(const DocumentOptions &options, const std::vector<TComponent *> &objects)
{
    DocumentOptions written = withoutSources(options);
    for (size_t place = 0; place < objects.size(); ++place) {
        const auto *image = dynamic_cast<const TGImage *>(objectOf(objects[place]));
        if (image && !image->picture().sourceFile().isEmpty())
            written.setValue(sourceName(place), image->picture().sourceData());
    }
    return written;
}

void takeSources(DocumentOptions &options, const std::vector<TGGraphicControl *> &objects,
                 QStringList &dropped)
{
    for (const DocumentOptions::Entry &entry : options.entries()) {
        if (!OptionsList::holdsBytes(entry.first))
            continue;
        QString what;
        const QString reason = giveSource(entry.first, entry.second, objects, what);
        if (!reason.isEmpty())
            dropped << what + QStringLiteral(": ") + reason;
    }
    options = withoutSources(options);
}

} // namespace PictureSources
