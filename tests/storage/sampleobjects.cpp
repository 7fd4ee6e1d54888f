// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sampleobjects.h"

#include "storage/filer.h"

namespace {

template <class T, class M>
PropertyInfo ordinal(const char *name, PropertyKind kind, M T::*member, qint64 def = kNoDefault)
{
    PropertyInfo p;
    p.name = QString::fromLatin1(name);
    p.kind = kind;
    p.defaultValue = def;
    p.getOrdinal = [member](const TPersistent &o) {
        return qint64(static_cast<const T &>(o).*member);
    };
    p.setOrdinal = [member](TPersistent &o, qint64 v) { static_cast<T &>(o).*member = M(v); };
    return p;
}

template <class T>
PropertyInfo textProperty(const char *name, QString T::*member, PropertyKind kind = PropertyKind::String)
{
    PropertyInfo p;
    p.name = QString::fromLatin1(name);
    p.kind = kind;
    p.getString = [member](const TPersistent &o) { return static_cast<const T &>(o).*member; };
    p.setString = [member](TPersistent &o, const QString &v) { static_cast<T &>(o).*member = v; };
    return p;
}

const EnumType &fontStyleType()
{
    static const EnumType type{QStringLiteral("TFontStyle"),
                               {QStringLiteral("fsBold"), QStringLiteral("fsItalic"),
                                QStringLiteral("fsUnderline"), QStringLiteral("fsStrikeOut")}};
    return type;
}

} // namespace

const EnumType &alignmentType()
{
    static const EnumType type{QStringLiteral("TAlignment"),
                               {QStringLiteral("taLeftJustify"), QStringLiteral("taRightJustify"),
                                QStringLiteral("taCenter")}};
    return type;
}

const TClassInfo &SampleFont::classInfo() const
{
    static const TClassInfo info(QStringLiteral("TFont"), nullptr, [] {
        PropertyInfo color = ordinal("Color", PropertyKind::Integer, &SampleFont::color);
        color.idents = &colorIdents();
        PropertyInfo style = ordinal("Style", PropertyKind::Set, &SampleFont::style, 0);
        style.enumType = &fontStyleType();
        return std::vector<PropertyInfo>{color,
                                         ordinal("Height", PropertyKind::Integer, &SampleFont::height),
                                         textProperty("Name", &SampleFont::name), style};
    }());
    return info;
}

const TClassInfo &SampleItem::classInfo() const
{
    static const TClassInfo info(QStringLiteral("TSampleItem"), nullptr,
                                 {textProperty("Text", &SampleItem::text),
                                  ordinal("Value", PropertyKind::Integer, &SampleItem::value, 0)});
    return info;
}

const TClassInfo &SampleItems::classInfo() const
{
    static const TClassInfo info(QStringLiteral("TSampleItems"), nullptr, {});
    return info;
}

const TClassInfo &SampleShape::classInfo() const
{
    return staticClassInfo();
}

const TClassInfo &SampleShape::staticClassInfo()
{
    static const TClassInfo info(
        QStringLiteral("TSampleShape"), nullptr,
        [] {
            std::vector<PropertyInfo> p;
            p.push_back(ordinal("Tag", PropertyKind::Integer, &SampleShape::tag, 0));
            p.push_back(ordinal("Left", PropertyKind::Integer, &SampleShape::left));
            p.push_back(ordinal("Width", PropertyKind::Integer, &SampleShape::width));
            PropertyInfo cursor = ordinal("Cursor", PropertyKind::Integer, &SampleShape::cursor, 0);
            cursor.idents = &cursorIdents();
            p.push_back(cursor);
            PropertyInfo color = ordinal("Color", PropertyKind::Integer, &SampleShape::color, 0xFFFF00);
            color.idents = &colorIdents();
            p.push_back(color);
            p.push_back(ordinal("Locked", PropertyKind::Enumeration, &SampleShape::locked));
            p.push_back(ordinal("Visible", PropertyKind::Enumeration, &SampleShape::visible, 1));
            PropertyInfo alignment =
                ordinal("Alignment", PropertyKind::Enumeration, &SampleShape::alignment, 0);
            alignment.enumType = &alignmentType();
            p.push_back(alignment);
            PropertyInfo options = ordinal("Options", PropertyKind::Set, &SampleShape::options, 0);
            options.enumType = &alignmentType();
            p.push_back(options);
            PropertyInfo accel;
            accel.name = QStringLiteral("Accel");
            accel.kind = PropertyKind::Char;
            accel.defaultValue = 'A';
            accel.getOrdinal = [](const TPersistent &o) {
                return qint64(static_cast<const SampleShape &>(o).accel.unicode());
            };
            accel.setOrdinal = [](TPersistent &o, qint64 v) {
                static_cast<SampleShape &>(o).accel = QChar(char16_t(v));
            };
            p.push_back(accel);
            PropertyInfo angle;
            angle.name = QStringLiteral("Angle");
            angle.kind = PropertyKind::Float;
            angle.getFloat = [](const TPersistent &o) { return static_cast<const SampleShape &>(o).angle; };
            angle.setFloat = [](TPersistent &o, double v) { static_cast<SampleShape &>(o).angle = v; };
            p.push_back(angle);
            p.push_back(textProperty("Caption", &SampleShape::caption));
            PropertyInfo font;
            font.name = QStringLiteral("Font");
            font.kind = PropertyKind::Class;
            font.heldObject = true;
            font.getObject = [](const TPersistent &o) -> TPersistent * {
                return &const_cast<SampleShape &>(static_cast<const SampleShape &>(o)).font;
            };
            p.push_back(font);
            PropertyInfo items = font;
            items.name = QStringLiteral("Items");
            items.getObject = [](const TPersistent &o) -> TPersistent * {
                return &const_cast<SampleShape &>(static_cast<const SampleShape &>(o)).items;
            };
            p.push_back(items);
            PropertyInfo buddy;
            buddy.name = QStringLiteral("Buddy");
            buddy.kind = PropertyKind::Class;
            buddy.getObject = [](const TPersistent &o) -> TPersistent * {
                return static_cast<const SampleShape &>(o).buddy;
            };
            buddy.setObject = [](TPersistent &o, TPersistent *v) {
                static_cast<SampleShape &>(o).buddy = dynamic_cast<TComponent *>(v);
            };
            p.push_back(buddy);
            p.push_back(textProperty("OnClick", &SampleShape::onClick, PropertyKind::Method));
            return p;
        }(),
        [](TComponent *owner) { return std::make_unique<SampleShape>(owner); });
    return info;
}

void SampleShape::DefineProperties(TFiler &filer)
{
    filer.DeclareBinaryProperty(
        QStringLiteral("Data"), [this](const QByteArray &bytes) { data = bytes; },
        [this](QByteArray &out) { out = data; }, !data.isEmpty());
}

void SampleShape::Loaded()
{
    TComponent::Loaded();
    ++loadedCount;
}

const TClassInfo &SampleForm::classInfo() const
{
    return staticClassInfo();
}

const TClassInfo &SampleForm::staticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i(QStringLiteral("TSampleForm"), nullptr, {},
                     [](TComponent *owner) { return std::make_unique<SampleForm>(owner); });
        i.publishedMethods = {QStringLiteral("ShapeClick")};
        i.fieldClasses = {&SampleShape::staticClassInfo()};
        return i;
    }();
    return info;
}

SampleShapeRegistration::SampleShapeRegistration()
{
    ClassRegistry::registerClass(SampleShape::staticClassInfo());
}

SampleShapeRegistration::~SampleShapeRegistration()
{
    ClassRegistry::unregisterClass(QStringLiteral("TSampleShape"));
}
