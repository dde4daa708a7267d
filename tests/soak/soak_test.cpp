// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A long run of the calculator page: a thousand presses of "Рассчитать!" with random list
// positions and random length texts, each compared with what the core gives for the same
// inputs. The seed is printed; VARNELO_SOAK_SEED replays a run, VARNELO_SOAK_PRESSES sets its
// length.
#include "guitest.h"

#include "calc/calc.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <random>
#include <string>

namespace {

constexpr std::uint32_t kDefaultSeed = 20240517;
constexpr int kDefaultPresses = 1000;
// Every so many presses, a press with the stored defaults must give a fresh program's texts.
constexpr int kFreshCheckEvery = 50;

const QString kNoticeText = QStringLiteral("Настроечная температура не должна превышать температуру котла!");

// The drop-down lists and the positions they hold at start, from the page's own table.
constexpr std::size_t kListCount = kListInputs.size();

std::array<int, kListCount> StoredPositions()
{
    std::array<int, kListCount> positions{};
    for (std::size_t i = 0; i < kListCount; ++i)
        positions[i] = kListInputs[i].items.selectedAtStart;
    return positions;
}

// The result boxes in the order of the results.
QLineEdit *BoxOfResult(CalculatorPage &page, std::size_t result)
{
    return page.*BoxShowing(calc::kResultOrder[result]);
}

// What a freshly started program shows for the stored defaults, written with ".".
constexpr std::array<const char *, 7> kFreshDefaults = {"3.01", "0.85", "10", "2.1942",
                                                        "10.51", "87.6", "120"};

using BoxTexts = std::array<QString, 7>;

// One press: the decimal mark in force, the list positions and the length as typed.
struct Press {
    char mark = ',';
    std::array<int, kListCount> positions{};
    QString length;
};

// What a press must lead to.
struct Outcome {
    BoxTexts boxes;
    std::optional<QString> report;
    bool notice = false;
    int written = 0;  // results the core set, error or not
};

// Texts a user might type: ordinary lengths with either mark, and everything that is not one.
class LengthTexts {
public:
    explicit LengthTexts(std::mt19937 &random) : random_(random) {}

    QString Next()
    {
        const std::uint32_t roll = Below(100);
        if (roll < 40)
            return Valid();
        if (roll < 50)
            return QStringLiteral("-") + Valid();
        if (roll < 58)
            return HugeExponent();
        if (roll < 76)
            return Special();
        if (roll < 88)
            return Mixed(1 + Below(12));
        if (roll < 94)
            return Mixed(100 + Below(1500));
        return roll < 97 ? QString() : QStringLiteral("0");
    }

private:
    std::uint32_t Below(std::uint32_t bound) { return random_() % bound; }
    QString Digits(int count)
    {
        QString digits;
        for (int i = 0; i < count; ++i)
            digits += QChar(u'0' + Below(10));
        return digits;
    }
    QString Mark() { return Below(2) ? QStringLiteral(",") : QStringLiteral("."); }

    QString Valid()
    {
        QString text = QString::number(Below(400));
        switch (Below(6)) {
        case 0: text += Mark() + Digits(1 + Below(4)); break;
        case 1: text = QStringLiteral("  ") + text + QStringLiteral(" "); break;
        case 2: text = QStringLiteral("+") + text; break;
        case 3: text += (Below(2) ? u'E' : u'e') + QString::number(Below(3)); break;
        case 4: text = Mark() + Digits(1 + Below(3)); break;
        default: break;
        }
        return text;
    }

    QString HugeExponent()
    {
        const QString sign = Below(3) == 0 ? QStringLiteral("-") : QString();
        return QString::number(1 + Below(9)) + u'E' + sign + QString::number(300 + Below(5000));
    }

    QString Special()
    {
        static const std::array<const char *, 24> kSpecial = {
            "1-2", "abc", "длина", "80м", "80 m", "1E400", "1E4999", "1E5000", "1E-4999",
            "-0", ",", ".", "1,5,5", "1.5,5", "1 000", "E5", "-", "+", "5E", "0,0",
            "1E19", "9E18", "1e-3", "00080"};
        return QString::fromUtf8(kSpecial[Below(kSpecial.size())]);
    }

    QString Mixed(std::uint32_t length)
    {
        static const QString kPool = QStringLiteral("0123456789,.-+eE aZжЯ%#");
        QString text;
        for (std::uint32_t i = 0; i < length; ++i)
            text += kPool[Below(kPool.size())];
        return text;
    }

    std::mt19937 &random_;
};

std::uint32_t SeedFromEnvironment()
{
    bool ok = false;
    const std::uint32_t seed = qEnvironmentVariable("VARNELO_SOAK_SEED").toUInt(&ok);
    return ok ? seed : kDefaultSeed;
}

int PressesFromEnvironment()
{
    bool ok = false;
    const int presses = qEnvironmentVariableIntValue("VARNELO_SOAK_PRESSES", &ok);
    return ok && presses > 0 ? presses : kDefaultPresses;
}

// The error report's text: a period after a message that ends in a letter or a digit.
QString WithReportPeriod(const QString &message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}

calc::SizingInputs InputsOf(const Press &press)
{
    calc::SizingInputs inputs;
    for (std::size_t i = 0; i < kListCount; ++i)
        inputs.*kListInputs[i].field = press.positions[i];
    inputs.PipeLengthText = press.length.toStdString();
    return inputs;
}

// The core's answer to the same inputs, applied to what the boxes showed before.
Outcome Predict(const Press &press, const BoxTexts &before)
{
    Outcome outcome{before, std::nullopt, false, 0};
    calc::SizingResults results;
    try {
        outcome.notice =
            calc::SizeMixingUnit(InputsOf(press), results) == calc::SizingOutcome::SetTempAboveBoiler;
    } catch (const calc::Exception &error) {
        outcome.report = WithReportPeriod(QString::fromStdString(error.message()));
    }
    for (std::size_t i = 0; i < calc::kResultOrder.size(); ++i) {
        if (const auto &value = results.*calc::kResultOrder[i]) {
            outcome.boxes[i] = QString::fromStdString(calc::NumberToText(*value));
            ++outcome.written;
        }
    }
    return outcome;
}

std::string Describe(const Press &press)
{
    std::string text = "mark '" + std::string(1, press.mark) + "', positions";
    for (int position : press.positions)
        text += ' ' + std::to_string(position);
    return text + ", length '" + press.length.toStdString() + "'";
}

class SoakTest : public GuiTest {
protected:
    // Chooses a position the way a user does with the keyboard: Home, then Down.
    static void Choose(DropDownList *list, int position)
    {
        QTest::keyClick(list, Qt::Key_Home);
        for (int i = 0; i < position; ++i)
            QTest::keyClick(list, Qt::Key_Down);
    }

    // Clears the length box and types the text, one key a character.
    void Type(const QString &text)
    {
        QLineEdit *edit = Page().Edit4;
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Backspace);
        for (QChar character : text)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(character),
                                Qt::NoModifier);
    }

    void SetControls(const Press &press)
    {
        SwitchRegionalSettings(press.mark == ',' ? QLocale(QLocale::Russian, QLocale::Russia)
                                                 : QLocale(QLocale::English, QLocale::UnitedStates));
        for (std::size_t i = 0; i < kListCount; ++i)
            Choose(Page().*kListInputs[i].list, press.positions[i]);
        Type(press.length);
    }

    BoxTexts Shown()
    {
        BoxTexts texts;
        for (std::size_t i = 0; i < texts.size(); ++i)
            texts[i] = BoxOfResult(Page(), i)->text();
        return texts;
    }

    void CheckControlsHold(const Press &press)
    {
        for (std::size_t i = 0; i < kListCount; ++i)
            ASSERT_EQ((Page().*kListInputs[i].list)->currentIndex(), press.positions[i])
                << "list " << i;
        ASSERT_EQ(Page().Edit4->text(), press.length);
    }

    // Presses the button with the controls set as in press, and checks everything a user sees.
    void PressAndCheck(const Press &press)
    {
        SetControls(press);
        CheckControlsHold(press);
        if (HasFatalFailure())
            return;
        const Outcome expected = Predict(press, model_);
        const std::size_t reportsBefore = reports.size();
        const std::size_t noticesBefore = notices.size();
        if (expected.report)
            ExpectErrorReport();
        if (expected.notice)
            ExpectNotice();
        QTest::mouseClick(Page().BitBtn1, Qt::LeftButton);

        ASSERT_EQ(reports.size(), reportsBefore + (expected.report ? 1 : 0)) << "error reports";
        ASSERT_EQ(notices.size(), noticesBefore + (expected.notice ? 1 : 0)) << "notices";
        if (expected.report) {
            EXPECT_EQ(reports.back().text, *expected.report);
            EXPECT_EQ(reports.back().icon, QMessageBox::Critical);
            EXPECT_TRUE(reports.back().applicationModal);
            ++errors_;
        }
        if (expected.notice) {
            EXPECT_EQ(notices.back(), kNoticeText);
            ++noticesSeen_;
        }
        const BoxTexts shown = Shown();
        for (std::size_t i = 0; i < shown.size(); ++i)
            EXPECT_EQ(shown[i], expected.boxes[i])
                << BoxOfResult(Page(), i)->objectName().toStdString();
        if (expected.report && expected.written > 0)
            ++partialWrites_;
        model_ = expected.boxes;
        CheckNothingLeftOver();
    }

    // After a press only the main window is open.
    void CheckNothingLeftOver()
    {
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window != &Form())
                ADD_FAILURE() << "window left open: " << window->metaObject()->className() << ' '
                              << window->windowTitle().toStdString();
        }
    }

    // A press with the stored defaults shows what a freshly started program shows.
    void CheckFreshDefaults(char mark)
    {
        Press defaults{mark, StoredPositions(), QString::fromUtf8(calc::kPipeLengthAtStart)};
        PressAndCheck(defaults);
        for (std::size_t i = 0; i < kFreshDefaults.size(); ++i) {
            QString fresh = QString::fromLatin1(kFreshDefaults[i]);
            fresh.replace(u'.', QChar::fromLatin1(mark));
            EXPECT_EQ(model_[i], fresh) << "after earlier presses, box " << i;
        }
    }

    Press RandomPress(std::mt19937 &random, LengthTexts &lengths)
    {
        Press press;
        press.mark = random() % 2 ? ',' : '.';
        for (std::size_t i = 0; i < kListCount; ++i) {
            const auto items = static_cast<std::uint32_t>(kListInputs[i].items.texts.size());
            press.positions[i] = static_cast<int>(random() % items);
        }
        press.length = lengths.Next();
        return press;
    }

    BoxTexts model_{};  // what the boxes must show: empty at start
    int errors_ = 0;
    int noticesSeen_ = 0;
    int partialWrites_ = 0;
};

TEST_F(SoakTest, ThousandPressesShowWhatTheCoreGives)
{
    const std::uint32_t seed = SeedFromEnvironment();
    const int presses = PressesFromEnvironment();
    std::printf("soak: seed %u, %d presses (replay with VARNELO_SOAK_SEED=%u)\n", seed, presses, seed);
    std::fflush(stdout);
    std::mt19937 random(seed);
    LengthTexts lengths(random);
    const auto started = std::chrono::steady_clock::now();

    for (int i = 1; i <= presses && !HasFailure(); ++i) {
        const Press press = RandomPress(random, lengths);
        SCOPED_TRACE("press " + std::to_string(i) + " of seed " + std::to_string(seed) + ": "
                     + Describe(press));
        PressAndCheck(press);
        if (i % kFreshCheckEvery == 0 && !HasFailure()) {
            SCOPED_TRACE("press with the stored defaults after press " + std::to_string(i));
            CheckFreshDefaults(press.mark);
        }
    }

    const auto seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("soak: %d presses in %.1f s: %d error reports (%d with the flow written first), "
                "%d notices\n", presses, seconds, errors_, partialWrites_, noticesSeen_);
    if (HasFailure())
        return;
    // The random texts must reach every path of a press, or the run proves little.
    EXPECT_GT(errors_, presses / 10);
    EXPECT_GT(partialWrites_, 0);
    EXPECT_GT(noticesSeen_, presses / 100);
}

} // namespace
