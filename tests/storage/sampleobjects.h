// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/persistent.h"

#include <QByteArray>
#include <QString>

#include <vector>

// Small streamable classes that exercise every kind of property.

class SampleFont : public TPersistent
{
public:
    const TClassInfo &classInfo() const override;
    qint32 color = 0;
    qint32 height = -13;
    QString name = QStringLiteral("Arial");
    quint32 style = 0; // bit 0 bold, 1 italic, 2 underline, 3 strikeout
};

class SampleItem : public TPersistent
{
public:
    SampleItem() = default;
    SampleItem(QString t, qint32 v) : text(std::move(t)), value(v) {}
    const TClassInfo &classInfo() const override;
    QString text;
    qint32 value = 0;
};

class SampleItems : public TCollection
{
public:
    const TClassInfo &classInfo() const override;
    int count() const override { return int(items.size()); }
    TPersistent *item(int index) override { return &items[size_t(index)]; }
    TPersistent *add() override { return &items.emplace_back(); }
    std::vector<SampleItem> items;
};

class SampleShape : public TComponent
{
public:
    explicit SampleShape(TComponent *owner = nullptr) : TComponent(owner) {}
    const TClassInfo &classInfo() const override;
    static const TClassInfo &staticClassInfo();
    void DefineProperties(TFiler &filer) override;
    void Loaded() override;

    qint32 tag = 0;
    qint32 left = 0;
    qint32 width = 0;
    qint32 cursor = 0;
    qint32 color = 0x1FFFFFFF;
    bool locked = false;
    bool visible = true;   // declared default True
    qint32 alignment = 0;  // taLeftJustify default
    quint32 options = 0;   // set of the alignment values
    QChar accel = QLatin1Char('A');
    double angle = 0;
    QString caption;
    QString onClick;
    SampleFont font;
    SampleItems items;
    TComponent *buddy = nullptr;
    QByteArray data;
    int loadedCount = 0;
};

// A root with a published method and a field class, for method and class look-ups.
class SampleForm : public TComponent
{
public:
    explicit SampleForm(TComponent *owner = nullptr) : TComponent(owner) {}
    const TClassInfo &classInfo() const override;
    static const TClassInfo &staticClassInfo();
};

const EnumType &alignmentType();

// Registers the sample shape's class for the lifetime of the object, so streams that name
// it can be read; a test may unregister it earlier.
class SampleShapeRegistration
{
public:
    SampleShapeRegistration();
    ~SampleShapeRegistration();
    SampleShapeRegistration(const SampleShapeRegistration &) = delete;
    SampleShapeRegistration &operator=(const SampleShapeRegistration &) = delete;
};
