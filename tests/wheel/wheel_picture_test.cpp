// The wheel's picture files as kalvest-cli writes them: SVG that parses as
// XML and keeps its texts as text, PNG of the size asked for, PDF whose
// text a PDF reader finds, and no file at all when one cannot be written.
// Also writes the PNG of 2025 with the moons, to be looked at.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <memory>
#include <set>
#include <string>
#include <unistd.h>

#include "datetime/zone_database.h"
#include "solar/solar_events.h"
#include "wheel/wheel_file.h"
#include "wheel/wheel_layout.h"
#include "wheel/wheel_painter.h"

namespace kalvest {
namespace {

struct ToolRun {
    int status = -1;
    QString out;
    QString err;
};

// The tool as a user without a display runs it: no display, no platform
// chosen.
ToolRun RunTool(const QStringList& args) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(name);
    }
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(KALVEST_CLI), args);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

class WheelPictureTest : public testing::Test {
protected:
    static void SetUpTestSuite() { InitPeriodicTerms(); }

    // The texts every picture of 2025 in Irish time must hold: the eight
    // names and their dates and times.
    static QStringList EightNamesAndTimes() {
        const std::unique_ptr<TimeZone> zone = NamedTimeZone("Europe/Dublin");
        const WheelLayout layout =
            MakeWheelLayout({2025, kCalendarGregorian, false, false, false, "Europe/Dublin"}, *zone);
        QStringList texts;
        for (const WheelQuarter& quarter : layout.quarters) {
            texts << QString::fromStdString(quarter.name)
                  << QString::fromStdString(quarter.time_text);
        }
        for (const WheelCrossQuarter& day : layout.cross_quarters) {
            texts << QString::fromStdString(day.name) << QString::fromStdString(day.true_text)
                  << QString::fromStdString(day.mean_text);
        }
        return texts;
    }

    // Every entry of the folder but `kept`: nothing may be left behind.
    QStringList Leftovers(const QStringList& kept = {}) const {
        QStringList names = QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot |
                                                          QDir::Hidden | QDir::System);
        for (const QString& name : kept) names.removeAll(name);
        return names;
    }

    QString Path(const QString& name) const { return folder.filePath(name); }

    QTemporaryDir folder;
};

TEST_F(WheelPictureTest, SvgIsWellFormedXmlWithTheEightNamesAndDatesAsText) {
    const ToolRun run = RunTool({"2025", "--wheel", Path("wheel.SVG"), "--tz", "Europe/Dublin"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    QFile file(Path("wheel.SVG"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QStringList texts;
    bool in_text = false;
    int root_elements = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == QLatin1String("svg") && ++root_elements == 1) {
                EXPECT_EQ(xml.namespaceUri(), QLatin1String("http://www.w3.org/2000/svg"));
            }
            in_text = xml.name() == QLatin1String("text");
            if (in_text) texts << QString();
        } else if (xml.isEndElement()) {
            in_text = false;
        } else if (xml.isCharacters() && in_text) {
            texts.back() += xml.text();
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString() << " at line "
                                 << xml.lineNumber();
    EXPECT_EQ(root_elements, 1);
    for (const QString& expected : EightNamesAndTimes()) {
        EXPECT_TRUE(texts.contains(expected)) << expected.toStdString();
    }
    EXPECT_TRUE(texts.contains("The wheel of the year 2025 CE"));
    EXPECT_EQ(Leftovers({"wheel.SVG"}), QStringList());
}

TEST_F(WheelPictureTest, PngAtTwoSizesIsDrawnWithTheBackgroundInItsCorners) {
    for (const int width : {600, 2400}) {
        SCOPED_TRACE(width);
        const QString name = QString("wheel-%1.png").arg(width);
        const ToolRun run = RunTool({"2025", "--wheel", Path(name), "--size", QString::number(width),
                                "--moon", "--terms", "--tz", "Europe/Dublin"});
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        QImage image(Path(name), "PNG");
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), width);
        EXPECT_EQ(image.height(), qRound(width * kWheelCanvas.height() / kWheelCanvas.width()));
        const QRgb background = WheelBackground().rgb();
        const int w = image.width() - 1;
        const int h = image.height() - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)}) {
            EXPECT_EQ(image.pixel(corner), background) << corner.x() << "," << corner.y();
        }
        // Not blank: a good share of the picture is drawn, in many colours.
        std::set<QRgb> colours;
        long drawn = 0;
        for (int y = 0; y < image.height(); y += 2) {
            for (int x = 0; x < image.width(); x += 2) {
                const QRgb pixel = image.pixel(x, y);
                colours.insert(pixel);
                drawn += pixel != background;
            }
        }
        const double share = static_cast<double>(drawn) / (image.width() / 2 * image.height() / 2);
        EXPECT_GT(share, 0.15);  // the disc alone is a fifth of the picture
        EXPECT_GT(colours.size(), 50u);
    }
    EXPECT_EQ(Leftovers({"wheel-600.png", "wheel-2400.png"}), QStringList());
}

TEST_F(WheelPictureTest, PdfHoldsTheNamesAndDatesAsText) {
    const ToolRun run = RunTool({"2025", "--wheel", Path("wheel.pdf"), "--tz", "Europe/Dublin",
                            "--moon"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    QFile file(Path("wheel.pdf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QProcess process;
    process.start(pdftotext, {Path("wheel.pdf"), "-"});
    ASSERT_TRUE(process.waitForFinished(60000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    for (const QString& expected : EightNamesAndTimes()) {
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
    }
    EXPECT_TRUE(text.contains("7 Sep: Total lunar eclipse"));
}

// A file that cannot be written gets one line and status 1, and leaves
// nothing behind: neither the file nor a part of it under another name.
TEST_F(WheelPictureTest, AFileThatCannotBeWrittenLeavesNothing) {
    ASSERT_TRUE(QDir(folder.path()).mkdir("taken.png"));
    QFile plain(Path("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    QStringList targets = {Path("missing/wheel.png"), Path("plain/wheel.svg"),
                           Path("taken.png")};
    if (geteuid() != 0) {  // root writes into any folder
        ASSERT_TRUE(QDir(folder.path()).mkdir("locked"));
        QFile::setPermissions(Path("locked"), QFile::ReadOwner | QFile::ExeOwner);
        targets << Path("locked/wheel.pdf");
    }
    for (const QString& target : targets) {
        SCOPED_TRACE(target.toStdString());
        const ToolRun run = RunTool({"2025", "--wheel", target});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.startsWith("kalvest-cli: --wheel: cannot write '" + target + "': "))
            << run.err.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1);
    }
    EXPECT_EQ(Leftovers({"taken.png", "plain", "locked"}), QStringList());
    EXPECT_TRUE(QFileInfo(Path("taken.png")).isDir());
    EXPECT_EQ(QFileInfo(Path("plain")).size(), 0);
    if (geteuid() != 0) {
        EXPECT_TRUE(QDir(Path("locked")).isEmpty());
    }

    // A name that is no picture is a usage error, before anything is
    // computed or written.
    const ToolRun bad = RunTool({"2025", "--wheel", Path("wheel.jpg")});
    EXPECT_EQ(bad.status, 2);
    EXPECT_FALSE(QFile::exists(Path("wheel.jpg")));
}

// The picture of the task: 2025 in Irish time with the moons, written
// where the test run keeps its pictures.
TEST_F(WheelPictureTest, WritesThePictureOf2025WithTheMoons) {
    const QString output = QString(KALVEST_OUTPUT_DIR) + "/../test-output";
    ASSERT_TRUE(QDir().mkpath(output));
    const QString path = output + "/wheel-2025-moon.png";
    const ToolRun run = RunTool({"2025", "--wheel", path, "--moon", "--tz", "Europe/Dublin"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QImage image(path);
    EXPECT_EQ(image.width(), kWheelDefaultPngWidth);
}

}  // namespace
}  // namespace kalvest
