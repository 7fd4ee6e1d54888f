// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/persistent.h"

#include <QByteArray>

#include <functional>

// A held object whose only record is a binary "Data" block: pictures ("Picture.Data"),
// bitmaps ("Image.Data") and rich text ("RTFText.Data") of the freeform objects. The
// object's own accessors make and take the block.
class BinaryRecord : public TPersistent
{
public:
    using Make = std::function<QByteArray()>;
    using Take = std::function<void(const QByteArray &)>;
    using HasData = std::function<bool()>;

    BinaryRecord(const QString &className, HasData hasData, Make make, Take take)
        : m_info(className, nullptr, {}), m_hasData(std::move(hasData)), m_make(std::move(make)),
          m_take(std::move(take))
    {
    }

    const TClassInfo &classInfo() const override { return m_info; }
    void DefineProperties(TFiler &filer) override;

private:
    TClassInfo m_info;
    HasData m_hasData;
    Make m_make;
    Take m_take;
};
