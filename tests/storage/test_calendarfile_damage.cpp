// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <sys/mount.h>
#include <sys/stat.h>

#include "page/calpanel32.h"
#include "core/inifile.h"
#include "storage/calendarfile.h"
#include "pagefiles.h"
#include "storage/streamdump.h"
#include "storage/streamerror.h"
#include "sampleobjects.h"

using namespace CalendarFile;
using namespace PageFiles;

namespace {

class DamagedDocuments : public ::testing::Test
{
protected:
    void SetUp() override
    {
        page.ResetToDefaults();
        // A document as older versions wrote it: new pages now carry the locale-dates option.
        page.setOptions({});
        page.SetCellRtfText(3, TWPRtfStorage(QByteArray("{\\rtf1 Lunch\\par}")));
        for (int i = 0; i < 3; ++i) {
            auto shape = std::make_unique<SampleShape>(&writerOwner);
            shape->setName(QStringLiteral("Special%1").arg(i + 1));
            shape->left = 10 * i;
            shape->caption = QStringLiteral("object %1").arg(i);
            shapes.push_back(std::move(shape));
        }
        std::vector<TComponent *> objects;
        for (auto &s : shapes)
            objects.push_back(s.get());
        bytes = documentBytes(page, objects);
    }

    // Loads into a fresh page; returns the objects delivered, or -1 when the open failed.
    int load(const QByteArray &data, QString *objectsError = nullptr)
    {
        TCalendarPanel32 target;
        SampleForm owner;
        std::vector<std::unique_ptr<TComponent>> read;
        const LoadOutcome outcome = loadDocumentBytes(target, data, &owner, [&](std::unique_ptr<TComponent> c) {
            read.push_back(std::move(c));
        });
        if (!outcome.ok)
            return -1;
        if (objectsError)
            *objectsError = outcome.objectsError;
        return int(read.size());
    }

    SampleShapeRegistration registration;
    TCalendarPanel32 page;
    SampleForm writerOwner;
    std::vector<std::unique_ptr<SampleShape>> shapes;
    QByteArray bytes;
};

} // namespace

TEST_F(DamagedDocuments, ObjectsAreReadBackWithFreshNames)
{
    TCalendarPanel32 target;
    SampleForm owner;
    std::vector<std::unique_ptr<TComponent>> read;
    loadDocumentBytes(target, bytes, &owner, [&](std::unique_ptr<TComponent> c) { read.push_back(std::move(c)); });
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(read[0]->name(), QStringLiteral("Component0"));
    EXPECT_EQ(read[2]->name(), QStringLiteral("Component2"));
    EXPECT_EQ(static_cast<SampleShape *>(read[1].get())->caption, QStringLiteral("object 1"));
}

TEST_F(DamagedDocuments, ACutShortObjectListKeepsTheObjectsBeforeTheDamage)
{
    const int secondObject = bytes.indexOf("TPF0\x0cTSampleShape\x08Special2");
    ASSERT_GT(secondObject, 0);
    QString error;
    EXPECT_EQ(load(bytes.left(secondObject + 30), &error), 1);
    EXPECT_EQ(error, QStringLiteral("Stream read error"));
    EXPECT_EQ(load(bytes, &error), 3);
    EXPECT_TRUE(error.isEmpty());
}

TEST_F(DamagedDocuments, TruncationsNeverCrashAndFailBeforeTheObjects)
{
    const int objectList = bytes.indexOf("TPF0\x0cTSampleShape");
    for (int size = 0; size < bytes.size(); ++size) {
        QString error;
        const int objects = load(bytes.left(size), &error);
        if (size < objectList - 1)
            EXPECT_EQ(objects, -1) << size;
        else
            EXPECT_FALSE(objects == 3 && error.isEmpty()) << size;
        EXPECT_FALSE(dumpCalendarFile(bytes.left(size)).complete) << size;
    }
}

TEST_F(DamagedDocuments, RandomDamageIsReadWholeOrLeavesThePageAlone)
{
    QRandomGenerator random(77);
    int refused = 0;
    for (int round = 0; round < 400; ++round) {
        QByteArray damaged = bytes;
        for (int i = 0; i < 1 + random.bounded(3); ++i)
            damaged[random.bounded(int(damaged.size()))] = char(random.bounded(256));
        TCalendarPanel32 target;
        target.SetUserTitle(QStringLiteral("untouched"));
        SampleForm owner;
        int objects = 0;
        const LoadOutcome outcome
            = loadDocumentBytes(target, damaged, &owner, [&objects](std::unique_ptr<TComponent>) { ++objects; });
        if (outcome.ok) {
            EXPECT_LE(objects, 3) << round;
            EXPECT_GE(target.MainCalMonth(), 1) << round;
            EXPECT_LE(target.MainCalMonth(), 12) << round;
            EXPECT_LT(int(target.CalendarLayout()), CalendarLayoutCount) << round;
        } else {
            ++refused;
            EXPECT_FALSE(outcome.message.isEmpty()) << round;
            EXPECT_EQ(objects, 0) << round;
            EXPECT_EQ(target.UserTitle(), QStringLiteral("untouched")) << round;
        }
        const StreamDump dump = dumpCalendarFile(damaged);
        EXPECT_TRUE(dump.complete || dump.text.contains(QStringLiteral("stopped at offset"))) << round;
    }
    EXPECT_GT(refused, 0) << "the damage never reached the reader's checks";
}

TEST_F(DamagedDocuments, OutOfRangeSettingsAreRefused)
{
    QByteArray badLayout = bytes;
    badLayout[18] = 99; // the layout follows paper, orientation and four margins
    ASSERT_EQ(bytes[17], '\x02');
    EXPECT_EQ(load(badLayout), -1);
    EXPECT_EQ(load(QByteArray("\x01\x02\x04\x02\x02", 5)), -1);
}

TEST(HostileFiles, DevicesAndPipesNamedLikeDocumentsAreRefusedAndNeverReplaced)
{
    QTemporaryDir dir;
    const QString zero = dir.filePath(QStringLiteral("zero.OVF"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    const QString pipe = dir.filePath(QStringLiteral("pipe.OVS"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);

    PageDocument doc;
    const CalendarFile::LoadOutcome fromDevice = CalendarFile::LoadDocument(doc, zero, nullptr, {});
    EXPECT_FALSE(fromDevice.ok);
    EXPECT_TRUE(fromDevice.message.contains(QStringLiteral("not a regular file")))
        << qPrintable(fromDevice.message);
    EXPECT_FALSE(CalendarFile::LoadStyleSheet(doc, pipe).ok);
    QByteArray bytes;
    EXPECT_FALSE(CalendarFile::readFileBytes(pipe, bytes).ok);

    // Saving through the link or onto the pipe leaves both as they are.
    const CalendarFile::FileResult saved = CalendarFile::SaveDocument(doc, zero, {});
    EXPECT_FALSE(saved.ok);
    EXPECT_FALSE(saved.message.isEmpty());
    EXPECT_FALSE(CalendarFile::SaveStyleSheet(doc, pipe).ok);
    EXPECT_TRUE(QFileInfo(zero).isSymLink());
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(pipe).constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
}

namespace {

// A 64 KiB file system of its own, where the test can fill the disk; unmounted at the end.
class SmallFileSystem
{
public:
    SmallFileSystem()
    {
        m_mounted = m_dir.isValid()
            && ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallFileSystem()
    {
        if (m_mounted)
            ::umount(QFile::encodeName(m_dir.path()).constData());
    }
    bool mounted() const { return m_mounted; }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    // Fills the file system to the last byte.
    void fill()
    {
        QFile filler(filePath(QStringLiteral("filler")));
        filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        for (qint64 block = 4096; block >= 1; block /= 2) {
            const QByteArray bytes(block, 'f');
            while (filler.write(bytes) == bytes.size()) {
            }
        }
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

} // namespace

TEST(HostileFiles, AFullDiskFailsTheSaveAndKeepsTheOldFile)
{
    SmallFileSystem disk;
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a small file system needs root rights here";
    const QString document = disk.filePath(QStringLiteral("Dec2026.OVF"));
    PageDocument doc;
    ASSERT_TRUE(CalendarFile::SaveDocument(doc, document, {}).ok);
    const QByteArray before = [&] {
        QFile file(document);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }();
    ASSERT_FALSE(before.isEmpty());
    const QString clipboard = disk.filePath(QStringLiteral("Clipbrd.tmp"));
    ASSERT_TRUE(CalendarFile::writeFileBytes(clipboard, "small").ok);
    IniFile preferences(disk.filePath(QStringLiteral("OV.INI")));
    ASSERT_TRUE(preferences.writeString(QStringLiteral("MRU"), QStringLiteral("F0"), QStringLiteral("a.OVF")));
    disk.fill();
    EXPECT_FALSE(preferences.writeString(QStringLiteral("MRU"), QStringLiteral("F1"), QStringLiteral("b.OVF")));
    EXPECT_EQ(preferences.readString(QStringLiteral("MRU"), QStringLiteral("F0"), {}), QStringLiteral("a.OVF"));

    // A small change: the file is written into a buffer first, and the disk being full
    // shows only when the buffer is flushed.
    doc.cells[3] = TWPRtfStorage("{\\rtf1 changed\\par}");
    const CalendarFile::FileResult saved = CalendarFile::SaveDocument(doc, document, {});
    EXPECT_FALSE(saved.ok);
    EXPECT_FALSE(saved.message.isEmpty());
    QFile file(document);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before) << "the old document stays whole";
    EXPECT_FALSE(CalendarFile::writeFileBytes(clipboard, QByteArray(1000, 'c')).ok);
    QFile small(clipboard);
    ASSERT_TRUE(small.open(QIODevice::ReadOnly));
    EXPECT_EQ(small.readAll(), QByteArray("small"));
}
