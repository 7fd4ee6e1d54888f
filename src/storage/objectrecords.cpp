// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "objectrecords.h"

#include "images/picture.h"
#include "objects/objectkinds.h"
#include "objects/tgflatcalendar.h"
#include "objects/tgimage.h"
#include "objects/tgprichbaselabel.h"
#include "objects/tgplabel.h"
#include "objects/tgsupertext.h"
#include "storage/binaryrecord.h"
#include "storage/calendarfile.h"
#include "storage/cellrecord.h"
#include "storage/documentmessages.h"
#include "storage/optionslist.h"
#include "storage/picturesources.h"
#include "storage/reader.h"
#include "storage/streamerror.h"
#include "storage/writer.h"

#include <QBuffer>
#include <QSet>

#include <map>
#include <new>

namespace {

// Font properties are written as "<property>.Color" and so on: a held object whose
// setters change a copy of the font and give it back to the object, so the object's own
// setter runs for every change.
class FontRecord : public TPersistent
{
public:
    FontRecord(std::function<TFont()> get, std::function<void(const TFont &)> set, int ppi)
        : m_get(std::move(get)), m_set(std::move(set)), m_ppi(ppi)
    {
    }
    const TClassInfo &classInfo() const override;

    TFont font() const { return m_get(); }
    void change(const std::function<void(TFont &)> &edit)
    {
        TFont font = m_get();
        edit(font);
        m_set(font);
    }
    int ppi() const { return m_ppi; }

private:
    std::function<TFont()> m_get;
    std::function<void(const TFont &)> m_set;
    int m_ppi;
};

FontRecord &fontRecord(TPersistent &p)
{
    return static_cast<FontRecord &>(p);
}

const FontRecord &fontRecord(const TPersistent &p)
{
    return static_cast<const FontRecord &>(p);
}

const EnumType &enumType(const char *name, std::initializer_list<const char *> values)
{
    // The tables live as long as the class descriptions that point at them.
    static std::map<QString, EnumType> types;
    const QString key = QString::fromLatin1(name);
    auto found = types.find(key);
    if (found == types.end()) {
        EnumType type{key, {}};
        for (const char *value : values)
            type.values << QString::fromLatin1(value);
        found = types.emplace(key, type).first;
    }
    return found->second;
}

const EnumType &fontStyleType()
{
    return enumType("TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"});
}

const EnumType &fontPitchType()
{
    return enumType("TFontPitch", {"fpDefault", "fpVariable", "fpFixed"});
}

const EnumType &borderStyleType()
{
    return enumType("TBorderStyle", {"bsNone", "bsSingle"});
}

const EnumType &flatBorderType()
{
    return enumType("TFlatCalBorderStyle", {"fcbNone", "fcbAll", "fcbTop", "fcbBottom", "fcbTopBottom"});
}

// An ordinal property of an object of class Obj, read and written through its accessors.
template <class Obj>
PropertyInfo ordinal(const char *name, PropertyKind kind, std::function<qint64(const Obj &)> get,
                     std::function<void(Obj &, qint64)> set, qint64 def = kNoDefault)
{
    PropertyInfo p;
    p.name = QString::fromLatin1(name);
    p.kind = kind;
    p.defaultValue = def;
    p.getOrdinal = [get](const TPersistent &o) {
        return get(static_cast<const Obj &>(static_cast<const ObjectRecord &>(o).object()));
    };
    p.setOrdinal = [set](TPersistent &o, qint64 v) {
        set(static_cast<Obj &>(static_cast<ObjectRecord &>(o).object()), v);
    };
    return p;
}

template <class Obj>
PropertyInfo integer(const char *name, std::function<qint64(const Obj &)> get,
                     std::function<void(Obj &, qint64)> set, qint64 def = kNoDefault)
{
    return ordinal<Obj>(name, PropertyKind::Integer, std::move(get), std::move(set), def);
}

template <class Obj>
PropertyInfo color(const char *name, std::function<qint64(const Obj &)> get,
                   std::function<void(Obj &, qint64)> set, qint64 def = kNoDefault)
{
    PropertyInfo p = integer<Obj>(name, std::move(get), std::move(set), def);
    p.idents = &colorIdents();
    return p;
}

template <class Obj>
PropertyInfo enumeration(const char *name, const EnumType &type,
                         std::function<qint64(const Obj &)> get,
                         std::function<void(Obj &, qint64)> set, qint64 def = kNoDefault)
{
    PropertyInfo p = ordinal<Obj>(name, PropertyKind::Enumeration, std::move(get), std::move(set), def);
    p.enumType = &type;
    return p;
}

template <class Obj>
PropertyInfo boolean(const char *name, std::function<bool(const Obj &)> get,
                     std::function<void(Obj &, bool)> set, qint64 def = kNoDefault)
{
    return enumeration<Obj>(
        name, booleanType(), [get](const Obj &o) { return qint64(get(o)); },
        [set](Obj &o, qint64 v) { set(o, v != 0); }, def);
}

template <class Obj>
PropertyInfo text(const char *name, std::function<QString(const Obj &)> get,
                  std::function<void(Obj &, const QString &)> set)
{
    PropertyInfo p;
    p.name = QString::fromLatin1(name);
    p.kind = PropertyKind::String;
    p.stored = [get](const TPersistent &o) {
        return !get(static_cast<const Obj &>(static_cast<const ObjectRecord &>(o).object())).isEmpty();
    };
    p.getString = [get](const TPersistent &o) {
        return get(static_cast<const Obj &>(static_cast<const ObjectRecord &>(o).object()));
    };
    p.setString = [set](TPersistent &o, const QString &v) {
        set(static_cast<Obj &>(static_cast<ObjectRecord &>(o).object()), v);
    };
    return p;
}

// A font-valued property: the record keeps one FontRecord per font property.
PropertyInfo font(const char *name, std::function<TPersistent *(const ObjectRecord &)> record)
{
    PropertyInfo p;
    p.name = QString::fromLatin1(name);
    p.kind = PropertyKind::Class;
    p.heldObject = true;
    p.getObject = [record](const TPersistent &o) {
        return record(static_cast<const ObjectRecord &>(o));
    };
    return p;
}

} // namespace

const TClassInfo &FontRecord::classInfo() const
{
    static const TClassInfo info(QStringLiteral("TFont"), nullptr, [] {
        PropertyInfo color;
        color.name = QStringLiteral("Color");
        color.idents = &colorIdents();
        color.getOrdinal = [](const TPersistent &o) { return qint64(fontRecord(o).font().color()); };
        color.setOrdinal = [](TPersistent &o, qint64 v) {
            fontRecord(o).change([v](TFont &f) { f.setColor(TColor(v)); });
        };
        PropertyInfo height;
        height.name = QStringLiteral("Height");
        height.getOrdinal = [](const TPersistent &o) {
            return qint64(fontRecord(o).font().height(fontRecord(o).ppi()));
        };
        height.setOrdinal = [](TPersistent &o, qint64 v) {
            fontRecord(o).change([v](TFont &f) { f.setHeight(int(v)); });
        };
        PropertyInfo name;
        name.name = QStringLiteral("Name");
        name.kind = PropertyKind::String;
        name.stored = [](const TPersistent &o) { return !fontRecord(o).font().name().isEmpty(); };
        // Font names are short names on the platform the files come from.
        name.getString = [](const TPersistent &o) { return fontRecord(o).font().name().left(31); };
        name.setString = [](TPersistent &o, const QString &v) {
            fontRecord(o).change([v](TFont &f) { f.setName(v); });
        };
        PropertyInfo pitch;
        pitch.name = QStringLiteral("Pitch");
        pitch.kind = PropertyKind::Enumeration;
        pitch.enumType = &fontPitchType();
        pitch.defaultValue = 0;
        pitch.getOrdinal = [](const TPersistent &o) { return qint64(fontRecord(o).font().pitch()); };
        pitch.setOrdinal = [](TPersistent &o, qint64 v) {
            fontRecord(o).change([v](TFont &f) { f.setPitch(TFont::Pitch(v)); });
        };
        PropertyInfo style;
        style.name = QStringLiteral("Style");
        style.kind = PropertyKind::Set;
        style.enumType = &fontStyleType();
        // The set's bits are the style flags in the same order.
        style.getOrdinal = [](const TPersistent &o) {
            return qint64(fontRecord(o).font().style().toInt());
        };
        style.setOrdinal = [](TPersistent &o, qint64 v) {
            fontRecord(o).change([v](TFont &f) { f.setStyle(TFont::Styles::fromInt(int(v & 0xF))); });
        };
        return std::vector<PropertyInfo>{color, height, name, pitch, style};
    }());
    return info;
}

namespace {

template <class Obj>
PropertyInfo objectFont(const char *name, const TFont &(Obj::*get)() const,
                        void (Obj::*set)(const TFont &))
{
    const QString key = QString::fromLatin1(name);
    return font(name, [key, get, set](const ObjectRecord &record) {
        auto &object = static_cast<Obj &>(record.object());
        return record.heldFont(key, [&object, get, set] {
            return std::make_unique<FontRecord>([&object, get] { return (object.*get)(); },
                                                [&object, set](const TFont &f) { (object.*set)(f); },
                                                object.pixelsPerInch());
        });
    });
}

// A property held as a binary "Data" block (pictures, bitmaps, rich text), written only
// when hasData says the object has content.
template <class Obj>
PropertyInfo binary(const char *name, const char *className, std::function<bool(const Obj &)> hasData,
                    std::function<QByteArray(const Obj &)> make,
                    std::function<void(Obj &, const QByteArray &)> take)
{
    const QString key = QString::fromLatin1(name);
    const QString holder = QString::fromLatin1(className);
    PropertyInfo p;
    p.name = key;
    p.kind = PropertyKind::Class;
    p.heldObject = true;
    p.getObject = [=](const TPersistent &o) {
        const auto &record = static_cast<const ObjectRecord &>(o);
        auto &object = static_cast<Obj &>(record.object());
        return record.heldFont(key, [&object, holder, hasData, make, take] {
            return std::make_unique<BinaryRecord>(
                holder, [&object, hasData] { return hasData(object); },
                [&object, make] { return make(object); },
                [&object, take](const QByteArray &block) { take(object, block); });
        });
    };
    return p;
}

std::unique_ptr<TComponent> makeRecord(TComponent *owner, const QString &className)
{
    std::unique_ptr<TGGraphicControl> object = createObjectOfClass(className);
    if (!object)
        throw StreamError(StreamMessages::classNotFound(className));
    object->setReading(true);
    return std::make_unique<ObjectRecord>(owner, std::move(object));
}

const TClassInfo &graphicControlInfo()
{
    using G = TGGraphicControl;
    static const TClassInfo info(QStringLiteral("TGGraphicControl"), nullptr, [] {
        PropertyInfo cursor = integer<G>(
            "Cursor", [](const G &o) { return o.Cursor(); },
            [](G &o, qint64 v) { o.setCursor(TCursor(v)); }, crDefault);
        cursor.idents = &cursorIdents();
        return std::vector<PropertyInfo>{
            integer<G>("Tag", [](const G &o) { return o.Tag(); }, [](G &o, qint64 v) { o.setTag(int(v)); }, 0),
            integer<G>("Left", [](const G &o) { return o.storedBounds().left(); }, [](G &o, qint64 v) { o.setStoredLeft(int(v)); }),
            integer<G>("Top", [](const G &o) { return o.storedBounds().top(); }, [](G &o, qint64 v) { o.setStoredTop(int(v)); }),
            integer<G>("Width", [](const G &o) { return o.storedBounds().width(); }, [](G &o, qint64 v) { o.setStoredWidth(int(v)); }),
            integer<G>("Height", [](const G &o) { return o.storedBounds().height(); }, [](G &o, qint64 v) { o.setStoredHeight(int(v)); }),
            cursor,
            text<G>("Hint", [](const G &o) { return o.Hint(); }, [](G &o, const QString &v) { o.setHint(v); }),
            boolean<G>("Locked", [](const G &o) { return o.Locked(); }, [](G &o, bool v) { o.SetLocked(v); }),
            boolean<G>("Unselectable", [](const G &o) { return o.Unselectable(); },
                       [](G &o, bool v) { o.SetUnselectable(v); }),
        };
    }());
    return info;
}

const TClassInfo &baseLabelInfo()
{
    using L = TGBaseLabel;
    static const TClassInfo info(QStringLiteral("TGBaseLabel"), &graphicControlInfo(), [] {
        const EnumType &alignment = enumType("TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"});
        const EnumType &highlight =
            enumType("THighlightDirection", {"hdNone", "hdright", "hdLeft", "hdUpRight", "hdUpLeft", "hdUp"});
        const EnumType &shadow =
            enumType("TShadowDirection", {"sdNone", "sdRight", "sdLeft", "sdDownRight", "sdDownLeft", "sdDown"});
        return std::vector<PropertyInfo>{
            enumeration<L>("Alignment", alignment, [](const L &o) { return o.Alignment(); },
                           [](L &o, qint64 v) { o.SetAlignment(TAlignment(v)); }, taLeftJustify),
            integer<L>("DepthHighlight", [](const L &o) { return o.DepthHighlight(); },
                       [](L &o, qint64 v) { o.SetDepthHighlight(int(v)); }, 0),
            integer<L>("DepthShadow", [](const L &o) { return o.DepthShadow(); },
                       [](L &o, qint64 v) { o.SetDepthShadow(int(v)); }, 0),
            enumeration<L>("DirectionHighlight", highlight, [](const L &o) { return o.DirectionHighlight(); },
                           [](L &o, qint64 v) { o.SetDirectionHighlight(THighlightDirection(v)); }, hdUpLeft),
            enumeration<L>("DirectionShadow", shadow, [](const L &o) { return o.DirectionShadow(); },
                           [](L &o, qint64 v) { o.SetDirectionShadow(TShadowDirection(v)); }, sdDownRight),
            color<L>("colorHighlight", [](const L &o) { return o.colorHighlight(); },
                     [](L &o, qint64 v) { o.SetcolorHighlight(TColor(v)); }, 16776960),
            color<L>("colorShadow", [](const L &o) { return o.colorShadow(); },
                     [](L &o, qint64 v) { o.SetcolorShadow(TColor(v)); }, 8421504),
            integer<L>("Angle", [](const L &o) { return o.Angle(); }, [](L &o, qint64 v) { o.SetAngle(int(v)); }, 0),
            text<L>("Caption", [](const L &o) { return o.Caption(); },
                    [](L &o, const QString &v) { o.SetCaption(v); }),
            objectFont<L>("Font", &L::Font, &L::SetFont),
            boolean<L>("Transparent", [](const L &o) { return o.Transparent(); },
                       [](L &o, bool v) { o.SetTransparent(v); }),
            color<L>("BackColor", [](const L &o) { return o.BackColor(); },
                     [](L &o, qint64 v) { o.SetBackColor(TColor(v)); }),
            enumeration<L>("BorderStyle", borderStyleType(), [](const L &o) { return o.BorderStyle(); },
                           [](L &o, qint64 v) { o.SetBorderStyle(TBorderStyle(v)); }),
        };
    }());
    return info;
}

const TClassInfo &labelInfo()
{
    static const TClassInfo info(QStringLiteral("TGPLabel"), &baseLabelInfo(), {},
                                 [](TComponent *owner) { return makeRecord(owner, QStringLiteral("TGPLabel")); });
    return info;
}

const TClassInfo &flatCalendarInfo()
{
    using F = TGFlatCalendar;
    static const TClassInfo info(
        QStringLiteral("TGFlatCalendar"), &graphicControlInfo(),
        [] {
            const EnumType &headers = enumType("TFlatCalHeadersStyle", {"fdsFirstChar", "fdsThreeChars", "fdsWhole"});
            const EnumType &position = enumType(
                "TFlatShadowPosition", {"fcpLowerRight", "fcpLowerLeft", "fcpUpperRight", "fcpUpperLeft"});
            const EnumType &language = enumType(
                "TFlatCalLanguage", {"fclEnglish", "fclGerman", "fclFrench", "fclItalian", "fclSpanish"});
            return std::vector<PropertyInfo>{
                integer<F>("StartOfWeek", [](const F &o) { return o.StartOfWeek(); },
                           [](F &o, qint64 v) { o.SetStartOfWeek(TFCDayOfWeek(v)); }),
                integer<F>("Month", [](const F &o) { return o.Month(); }, [](F &o, qint64 v) { o.SetMonth(int(v)); }),
                integer<F>("Year", [](const F &o) { return o.Year(); }, [](F &o, qint64 v) { o.SetYear(int(v)); }),
                objectFont<F>("TitleFont", &F::TitleFont, &F::SetTitleFont),
                objectFont<F>("DayNameFont", &F::DayNameFont, &F::SetDayNameFont),
                objectFont<F>("CellFont", &F::CellFont, &F::SetCellFont),
                boolean<F>("ShowYear", [](const F &o) { return o.ShowYear(); }, [](F &o, bool v) { o.SetShowYear(v); }),
                color<F>("DayNameBGColor", [](const F &o) { return o.DayNameBGColor(); },
                         [](F &o, qint64 v) { o.SetDayNameBGColor(TColor(v)); }),
                enumeration<F>("CalendarBorderStyle", flatBorderType(), [](const F &o) { return o.CalendarBorderStyle(); },
                               [](F &o, qint64 v) { o.SetCalendarBorderStyle(TFlatCalBorderStyle(v)); }),
                enumeration<F>("DayNameBorderStyle", flatBorderType(), [](const F &o) { return o.DayNameBorderStyle(); },
                               [](F &o, qint64 v) { o.SetDayNameBorderStyle(TFlatCalBorderStyle(v)); }),
                enumeration<F>("CellBorderStyle", flatBorderType(), [](const F &o) { return o.CellBorderStyle(); },
                               [](F &o, qint64 v) { o.SetCellBorderStyle(TFlatCalBorderStyle(v)); }),
                enumeration<F>("DayNameStyle", headers, [](const F &o) { return o.DayNameStyle(); },
                               [](F &o, qint64 v) { o.SetDayNameStyle(TFlatCalHeadersStyle(v)); }),
                color<F>("TitleBGcolor", [](const F &o) { return o.TitleBGcolor(); },
                         [](F &o, qint64 v) { o.SetTitleBGcolor(TColor(v)); }),
                color<F>("Backgroundcolor", [](const F &o) { return o.Backgroundcolor(); },
                         [](F &o, qint64 v) { o.SetBackgroundcolor(TColor(v)); }),
                color<F>("ShadowColor", [](const F &o) { return o.ShadowColor(); },
                         [](F &o, qint64 v) { o.SetShadowColor(TColor(v)); }),
                integer<F>("ShadowDepth", [](const F &o) { return o.ShadowDepth(); },
                           [](F &o, qint64 v) { o.SetShadowDepth(int(v)); }),
                enumeration<F>("ShadowPosition", position, [](const F &o) { return o.ShadowPosition(); },
                               [](F &o, qint64 v) { o.SetShadowPosition(TFlatShadowPosition(v)); }),
                enumeration<F>("Language", language, [](const F &o) { return o.Language(); },
                               [](F &o, qint64 v) { o.SetLanguage(TFlatCalLanguage(v)); }),
                boolean<F>("CalTransparent", [](const F &o) { return o.CalTransparent(); },
                           [](F &o, bool v) { o.SetCalTransparent(v); }),
            };
        }(),
        [](TComponent *owner) { return makeRecord(owner, QStringLiteral("TGFlatCalendar")); });
    return info;
}

const TClassInfo &imageInfo()
{
    using I = TGImage;
    static const TClassInfo info(
        QStringLiteral("TGImage"), &graphicControlInfo(),
        std::vector<PropertyInfo>{
            boolean<I>("AutoSize", [](const I &o) { return o.AutoSize(); },
                       [](I &o, bool v) { o.setSizingFlags(o.Stretch(), v); }, 0),
            enumeration<I>("BorderStyle", borderStyleType(), [](const I &o) { return o.BorderStyle(); },
                           [](I &o, qint64 v) { o.SetBorderStyle(TBorderStyle(v)); }),
            binary<I>(
                "Picture", "TPicture", [](const I &o) { return !o.picture().isEmpty(); },
                [](const I &o) { return o.picture().pictureData(); },
                // A damaged picture leaves the object empty rather than ending the list:
                // the objects after it are worth keeping. A picture the document has no
                // pixels left for is named, though, so the reader can say what is missing.
                [](I &o, const QByteArray &block) {
                    const ImageStatus status = o.pictureContainer().setPictureData(block);
                    if (status.overBudget)
                        throw StreamError(status.error);
                }),
            boolean<I>("Stretch", [](const I &o) { return o.Stretch(); },
                       [](I &o, bool v) { o.setSizingFlags(v, o.AutoSize()); }, 1),
            boolean<I>("Reverse", [](const I &o) { return o.Reverse(); }, [](I &o, bool v) { o.SetReverse(v); }),
            boolean<I>("Flip", [](const I &o) { return o.Flip(); }, [](I &o, bool v) { o.SetFlip(v); }),
        },
        [](TComponent *owner) { return makeRecord(owner, QStringLiteral("TGImage")); });
    return info;
}

const TClassInfo &richLabelInfo()
{
    using R = TGPRichBaseLabel;
    static const TClassInfo info(
        QStringLiteral("TGPRichBaseLabel"), &graphicControlInfo(),
        std::vector<PropertyInfo>{
            binary<R>(
                "RTFText", "TWPRtfStorage", [](const R &o) { return !o.RTFText().isEmpty(); },
                [](const R &o) { return o.RTFText().rtf() + QByteArray(4, '\0'); },
                [](R &o, const QByteArray &block) {
                    o.SetRTFText(TWPRtfStorage(CellTextRecord::rtfFromBlock(block)));
                }),
            enumeration<R>("BorderStyle", borderStyleType(), [](const R &o) { return o.BorderStyle(); },
                           [](R &o, qint64 v) { o.SetBorderStyle(TBorderStyle(v)); }),
            boolean<R>("Transparent", [](const R &o) { return o.Transparent(); },
                       [](R &o, bool v) { o.SetTransparent(v); }),
            color<R>("BGColor", [](const R &o) { return o.BGColor(); }, [](R &o, qint64 v) { o.SetBGColor(TColor(v)); }),
        },
        [](TComponent *owner) { return makeRecord(owner, QStringLiteral("TGPRichBaseLabel")); });
    return info;
}

const TClassInfo &superTextInfo()
{
    using S = TGSuperText;
    static const TClassInfo info(
        QStringLiteral("TGSuperText"), &graphicControlInfo(),
        [] {
            const EnumType &orientation =
                enumType("TShadowOrientation", {"sdNone", "sdRight", "sdLeft", "sdDownRight", "sdDownLeft", "sdDown"});
            const EnumType &direction = enumType("TFillDirection", {"gdUp", "gdDown", "gdLeft", "gdRight"});
            const EnumType &penStyle = enumType(
                "TPenStyle", {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"});
            const EnumType &surface =
                enumType("TSurfaceType", {"stNormal", "stBrushTransparent", "stBrushImage", "stGradientFill"});
            // A bitmap: the 32-bit length and a BMP file, written only when not empty; a
            // damaged bitmap is a malformed value.
            const PropertyInfo image = binary<S>(
                "Image", "TBitmap", [](const S &o) { return o.Image().width() > 0 && o.Image().height() > 0; },
                [](const S &o) {
                    Picture picture;
                    picture.setBitmap(o.Image());
                    return picture.bitmapData();
                },
                [](S &o, const QByteArray &block) {
                    Picture picture;
                    const ImageStatus status = picture.setBitmapData(block);
                    if (status.overBudget)
                        throw StreamError(status.error);
                    if (!status.ok())
                        throw StreamError(StreamMessages::invalidValue());
                    o.SetImage(picture.image());
                });
            return std::vector<PropertyInfo>{
                integer<S>("ShadowDepth", [](const S &o) { return o.ShadowDepth(); },
                           [](S &o, qint64 v) { o.SetShadowDepth(int(v)); }, 0),
                enumeration<S>("ShadowOrientation", orientation, [](const S &o) { return o.ShadowOrientation(); },
                               [](S &o, qint64 v) { o.SetShadowOrientation(TShadowOrientation(v)); }, sdDownRight),
                color<S>("Shadowcolor", [](const S &o) { return o.Shadowcolor(); },
                         [](S &o, qint64 v) { o.SetShadowcolor(TColor(v)); }, 8421504),
                enumeration<S>("BorderStyle", borderStyleType(), [](const S &o) { return o.BorderStyle(); },
                               [](S &o, qint64 v) { o.SetBorderStyle(TBorderStyle(v)); }),
                boolean<S>("ControlTransparent", [](const S &o) { return o.ControlTransparent(); },
                           [](S &o, bool v) { o.SetControlTransparent(v); }),
                color<S>("BGColor", [](const S &o) { return o.BGColor(); },
                         [](S &o, qint64 v) { o.SetBGColor(TColor(v)); }),
                text<S>("Caption", [](const S &o) { return o.Caption(); },
                        [](S &o, const QString &v) { o.SetCaption(v); }),
                objectFont<S>("Font", &S::Font, &S::SetFont),
                enumeration<S>("FillDirection", direction, [](const S &o) { return o.FillDirection(); },
                               [](S &o, qint64 v) { o.SetFillDirection(TFillDirection(v)); }),
                color<S>("GradientToColor", [](const S &o) { return o.GradientToColor(); },
                         [](S &o, qint64 v) { o.SetGradientToColor(TColor(v)); }),
                color<S>("GradientFromColor", [](const S &o) { return o.GradientFromColor(); },
                         [](S &o, qint64 v) { o.SetGradientFromColor(TColor(v)); }),
                image,
                color<S>("OutlineColor", [](const S &o) { return o.OutlineColor(); },
                         [](S &o, qint64 v) { o.SetOutlineColor(TColor(v)); }),
                enumeration<S>("OutlineStyle", penStyle, [](const S &o) { return o.OutlineStyle(); },
                               [](S &o, qint64 v) { o.SetOutlineStyle(TPenStyle(v)); }),
                integer<S>("OutlineWidth", [](const S &o) { return o.OutlineWidth(); },
                           [](S &o, qint64 v) { o.SetOutlineWidth(int(v)); }),
                enumeration<S>("SurfaceType", surface, [](const S &o) { return o.SurfaceType(); },
                               [](S &o, qint64 v) { o.SetSurfaceType(TSurfaceType(v)); }),
                text<S>("LastBitmapFileNameandPath", [](const S &o) { return o.LastBitmapFileNameandPath(); },
                        [](S &o, const QString &v) { o.SetLastBitmapFileNameandPath(v); }),
            };
        }(),
        [](TComponent *owner) { return makeRecord(owner, QStringLiteral("TGSuperText")); });
    return info;
}

// The stored properties of every kind of object, one table per kind; the kinds' ancestors
// are registered with them.
const TClassInfo &(*const kStoredKinds[])() = {
    &labelInfo, &imageInfo, &richLabelInfo, &superTextInfo, &flatCalendarInfo,
};

// The scope that names objects while one list is read.
class NamingScope : public TComponent
{
public:
    const TClassInfo &classInfo() const override
    {
        static const TClassInfo info(QStringLiteral("TCalendarMain"), nullptr, {});
        return info;
    }
};

} // namespace

ObjectRecord::ObjectRecord(const TGGraphicControl &object)
    : m_object(const_cast<TGGraphicControl *>(&object)),
      m_info(ObjectRecords::storedClass(object.className()))
{
    setName(object.Name());
}

ObjectRecord::ObjectRecord(TComponent *owner, std::unique_ptr<TGGraphicControl> object)
    : TComponent(owner), m_object(object.get()), m_owned(std::move(object)),
      m_info(ObjectRecords::storedClass(m_object->className()))
{
}

ObjectRecord::~ObjectRecord() = default;

TPersistent *ObjectRecord::heldFont(const QString &property,
                                    const std::function<std::unique_ptr<TPersistent>()> &make) const
{
    std::unique_ptr<TPersistent> &slot = m_fonts[property];
    if (!slot)
        slot = make();
    return slot.get();
}

const TClassInfo &ObjectRecord::classInfo() const
{
    if (!m_info)
        throw StreamError(DocumentMessages::unstorableObject(m_object->Name(), m_object->className()));
    return *m_info;
}

void ObjectRecord::Loaded()
{
    TComponent::Loaded();
    m_object->setName(name());
    m_object->setReading(false);
}

std::unique_ptr<TGGraphicControl> ObjectRecord::release()
{
    return std::move(m_owned);
}

namespace ObjectRecords {

RecordList::RecordList(const std::vector<std::unique_ptr<TGGraphicControl>> &objects)
{
    for (const std::unique_ptr<TGGraphicControl> &object : objects) {
        m_records.push_back(std::make_unique<ObjectRecord>(*object));
        m_components.push_back(m_records.back().get());
    }
}

std::unique_ptr<TGGraphicControl> takeObject(std::unique_ptr<TComponent> component)
{
    auto *record = dynamic_cast<ObjectRecord *>(component.get());
    return record ? record->release() : nullptr;
}

std::function<void(std::unique_ptr<TComponent>)>
collectObjects(std::vector<std::unique_ptr<TGGraphicControl>> &objects)
{
    return [&objects](std::unique_ptr<TComponent> component) {
        if (std::unique_ptr<TGGraphicControl> object = takeObject(std::move(component)))
            objects.push_back(std::move(object));
    };
}

const TClassInfo *storedClass(const QString &className)
{
    for (const auto info : kStoredKinds) {
        if (info().name() == className)
            return &info();
    }
    return nullptr;
}

void registerObjectClasses()
{
    for (const ObjectKind &kind : ObjectKinds::all()) {
        for (const TClassInfo *info = storedClass(QLatin1String(kind.className)); info; info = info->parent()) {
            if (!ClassRegistry::find(info->name()))
                ClassRegistry::registerClass(*info);
        }
    }
}

QByteArray objectListBytes(const std::vector<const TGGraphicControl *> &objects)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        TWriter writer(&buffer);
        std::vector<std::unique_ptr<ObjectRecord>> records;
        std::vector<TComponent *> components;
        writer.PutListStart();
        for (const TGGraphicControl *object : objects) {
            records.push_back(std::make_unique<ObjectRecord>(*object));
            components.push_back(records.back().get());
            writer.PutRootRecord(*records.back());
        }
        writer.PutListEnd();
        // Pictures' source files follow the list as they follow a document's objects.
        OptionsList::write(writer, PictureSources::withSources({}, components));
        writer.flush();
    }
    return bytes;
}

namespace {

// The sources of the pictures of the objects read, from the options list after their list.
void takeSources(TReader &reader, ReadResult &result)
{
    DocumentOptions options = OptionsList::read(reader);
    std::vector<TGGraphicControl *> objects;
    for (const std::unique_ptr<TGGraphicControl> &object : result.objects)
        objects.push_back(object.get());
    QStringList dropped;
    PictureSources::takeSources(options, objects, dropped);
    result.error = dropped.join(QStringLiteral("; "));
}

} // namespace

ReadResult readObjectList(const QByteArray &bytes, const NameTaken &taken, int offset)
{
    registerObjectClasses();
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    TReader reader(&buffer);
    NamingScope scope;
    // Records leave the scope once their object is taken, so the names given are kept here.
    QSet<QString> given;
    reader.setNamingHook([&](TReader &, TComponent &, QString &name) {
        name = CalendarFile::firstFreeComponentName(
            [&](const QString &candidate) {
                return given.contains(candidate) || (taken && taken(candidate));
            },
            name);
        given.insert(name);
    });
    // Unknown event handler names are left unassigned.
    reader.setFindMethodHook([](TReader &, const QString &, bool &error) { error = false; });
    ReadResult result;
    try {
        reader.GetListStart();
        reader.GetComponentRecords(&scope, nullptr, [&](std::unique_ptr<TComponent> component) {
            auto *record = dynamic_cast<ObjectRecord *>(component.get());
            if (std::unique_ptr<TGGraphicControl> object = record ? record->release() : nullptr)
                result.objects.push_back(std::move(object));
        });
        if (reader.remaining() > 0)
            takeSources(reader, result);
    } catch (const StreamError &error) {
        result.error = error.message();
    } catch (const std::bad_alloc &) {
        result.error = DocumentMessages::outOfMemory();
    }
    for (const std::unique_ptr<TGGraphicControl> &object : result.objects) {
        if (offset != 0)
            object->setBounds(object->Left() + offset, object->Top() + offset, object->Width(),
                              object->Height());
        object->AfterLoad();
    }
    return result;
}

} // namespace ObjectRecords
