// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every combination of the lists, driven through the page: the sheet against the boxes and
// against the working worked out apart, and its PDF read back by pdftotext.

#include "guitest.h"
#include "sheetreference.h"
#include "sheettools.h"

#include "calc/designdata.h"
#include "ui/calculationsheet.h"
#include "ui/sheetactions.h"
#include "ui/sheetprint.h"

#include <QAction>
#include <QLineEdit>
#include <QTemporaryDir>

#include <array>

namespace {

constexpr int kEnoughFailures = 20;  // after that many, one more tells nothing new

struct Combination {
    int boiler, setTemp, drop, pitch, pump;
};

// 5 boiler × 6 set temperatures × 2 drops × 3 pitches × 3 pumps; the one pipe stays.
std::vector<Combination> EveryCombination()
{
    std::vector<Combination> all;
    for (int boiler = 0; boiler < int(calc::kBoilerTemperatures.Size()); ++boiler)
        for (int setTemp = 0; setTemp < int(calc::kSetTemperatures.Size()); ++setTemp)
            for (int drop = 0; drop < int(calc::kTemperatureDrops.Size()); ++drop)
                for (int pitch = 0; pitch < int(calc::kPitches.Size()); ++pitch)
                    for (int pump = 0; pump < int(calc::kPumps.Size()); ++pump)
                        all.push_back({boiler, setTemp, drop, pitch, pump});
    return all;
}

// Lengths as typed: short (50 circuits), the default, long (none passes with most pumps),
// and one with decimals in the decimal mark in force.
struct Length {
    const char *typed;  // "." stands for the decimal mark
    double metres;
};
constexpr std::array<Length, 4> kLengths = {{{"10", 10}, {"80", 80}, {"150", 150}, {"37.5", 37.5}}};

class SheetCombos : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        Page().SetShowNotice([this](const QString &text) { noticesShown << text; });
    }

    // Selects a combination and a length and presses the button; the worked-out reference.
    ReferenceWorking Press(const Combination &c, const Length &length, char mark)
    {
        Page().ComboBox6->setCurrentIndex(c.boiler);
        Page().ComboBox4->setCurrentIndex(c.setTemp);
        Page().ComboBox1->setCurrentIndex(c.drop);
        Page().ComboBox5->setCurrentIndex(c.pitch);
        Page().ComboBox3->setCurrentIndex(c.pump);
        Page().Edit4->setText(QString::fromLatin1(length.typed).replace(u'.', QChar::fromLatin1(mark)));
        Page().BitBtn1->click();
        return WorkOut(c.boiler, c.setTemp, c.drop, length.metres, c.pitch, c.pump);
    }

    static QString Describe(const Combination &c, const Length &length, char mark)
    {
        return QStringLiteral("boiler %1, set %2, drop %3, pitch %4, pump %5, length %6, mark %7")
            .arg(c.boiler).arg(c.setTemp).arg(c.drop).arg(c.pitch).arg(c.pump)
            .arg(QString::fromLatin1(length.typed)).arg(QChar::fromLatin1(mark));
    }

    // The results of the sheet are the boxes' texts, top to bottom, each with its unit.
    ::testing::AssertionResult ResultsAreTheBoxes(const CalculationSheet &sheet)
    {
        const std::array<QLineEdit *, 7> boxes = {Page().Edit9, Page().Edit3, Page().Edit5, Page().Edit6,
                                                  Page().Edit8, Page().Edit1, Page().Edit13};
        const QString text = SheetPlainText(sheet);
        if (sheet.results.size() != qsizetype(boxes.size()))
            return ::testing::AssertionFailure() << sheet.results.size() << " results";
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            const SheetLine &line = sheet.results[qsizetype(i)];
            const QString box = boxes[i]->text();
            if (box.isEmpty() || (line.value != box && !line.value.startsWith(box + u' '))
                || !text.contains(line.caption + u'\t' + line.value + u'\n'))
                return ::testing::AssertionFailure() << boxes[i]->objectName().toStdString() << " shows \""
                                                     << box.toStdString() << "\", the sheet \""
                                                     << line.value.toStdString() << '"';
        }
        return ::testing::AssertionSuccess();
    }

    QStringList noticesShown;
};

TEST_F(SheetCombos, EveryCombinationAtFourLengthsWithBothMarks)
{
    int failures = 0;
    int sheets = 0;
    int notices = 0;
    for (const char mark : {',', '.'}) {
        SwitchRegionalSettings(mark == ',' ? QLocale(QLocale::Russian, QLocale::Russia)
                                           : QLocale(QLocale::English, QLocale::UnitedStates));
        for (const Combination &c : EveryCombination()) {
            for (const Length &length : kLengths) {
                const ReferenceWorking reference = Press(c, length, mark);
                const std::string where = Describe(c, length, mark).toStdString();
                if (reference.notice) {
                    ++notices;
                    EXPECT_FALSE(Page().HasSheet()) << where;
                    for (QAction *action : Page().SheetCommands().Actions())
                        EXPECT_FALSE(action->isEnabled()) << where;
                    continue;
                }
                ++sheets;
                ASSERT_TRUE(Page().HasSheet()) << where;
                const CalculationSheet sheet = Page().Sheet();
                const bool agrees = ResultsAreTheBoxes(sheet) && WorkingAgrees(sheet, reference, mark)
                                    && Page().Edit5->text() == QString::number(reference.found);
                if (!agrees) {
                    EXPECT_TRUE(ResultsAreTheBoxes(sheet)) << where;
                    EXPECT_TRUE(WorkingAgrees(sheet, reference, mark)) << where;
                    EXPECT_EQ(Page().Edit5->text(), QString::number(reference.found)) << where;
                    ASSERT_LT(++failures, kEnoughFailures);
                }
            }
        }
    }
    EXPECT_EQ(sheets + notices, 540 * 4 * 2);
    EXPECT_EQ(notices, 36 * 4 * 2);  // boiler 50 under set 55 and 60
    EXPECT_EQ(noticesShown.size(), notices);
    EXPECT_TRUE(reports.empty());
}

// Each combination once, the lengths and the decimal marks taken in turn, as a PDF file read
// back by pdftotext: every box's text and every figure of the working is there as written.
TEST_F(SheetCombos, PdfTextHoldsTheBoxesAndTheWorking)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
    int failures = 0;
    int read = 0;
    const std::vector<Combination> all = EveryCombination();
    for (std::size_t k = 0; k < all.size(); ++k) {
        const Length &length = kLengths[k % kLengths.size()];
        const char mark = (k / kLengths.size()) % 2 ? '.' : ',';
        SwitchRegionalSettings(mark == ',' ? QLocale(QLocale::Russian, QLocale::Russia)
                                           : QLocale(QLocale::English, QLocale::UnitedStates));
        if (Press(all[k], length, mark).notice)
            continue;
        const CalculationSheet sheet = Page().Sheet();
        ASSERT_EQ(SaveSheetPdf(sheet, path), QString());
        // pdftotext keeps the text of one line together; blanks between columns vary.
        const QString text = PdfText(path).simplified();
        ++read;
        QStringList missing;
        for (const QList<SheetLine> *lines : {&sheet.inputs, &sheet.results, &sheet.working}) {
            for (const SheetLine &line : *lines) {
                if (!text.contains(line.value.simplified()))
                    missing << line.value;
            }
        }
        for (QLineEdit *box : {Page().Edit9, Page().Edit3, Page().Edit5, Page().Edit6, Page().Edit8,
                               Page().Edit1, Page().Edit13}) {
            if (!text.contains(box->text()))
                missing << box->text();
        }
        if (!missing.isEmpty()) {
            ADD_FAILURE() << Describe(all[k], length, mark).toStdString() << ": not in the PDF: "
                          << missing.join(QStringLiteral(" | ")).toStdString();
            ASSERT_LT(++failures, kEnoughFailures);
        }
    }
    EXPECT_EQ(read, 540 - 36);
}

} // namespace
