#include "converter/form1.h"
#include "converter/option_button.h"
#include "help/form2.h"
#include "picker/oopen.h"
#include "preview/shift_words.h"
#include "support/fake_seams.h"
#include "support/file_bytes.h"
#include "translations/program_translations.h"
#include "widgets/scenario_words.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

using namespace zentadial;
using namespace zentadial::test;

namespace {

const QString kOpen = QStringLiteral("\u27e6");
const QString kClose = QStringLiteral("\u27e7");

// A language in which every text the program looks up comes back marked, so
// that any words a window shows outside the marks did not come through
// translation and would stay English in every language.
class MarkingTranslator final : public QTranslator {
public:
    [[nodiscard]] QString translate(const char* /*context*/, const char* sourceText,
                                    const char* /*disambiguation*/, int /*n*/) const override {
        return kOpen + QString::fromUtf8(sourceText) + kClose;
    }
    [[nodiscard]] bool isEmpty() const override { return false; }
};

// What is left of a shown text outside the marks, when it holds words;
// numbers, signs and blanks are no language's.
QString untranslatedPart(const QString& shown) {
    static const QRegularExpression marked(QStringLiteral("\u27e6[^\u27e7]*\u27e7"));
    QString rest = shown;
    rest.remove(marked);
    for (const QChar c : rest) {
        if (c.isLetter()) {
            return rest;
        }
    }
    return {};
}

// Every text a user reads or hears on the visible widgets of one window. The
// fields' contents, folder and drive names are the user's data, not words of
// the program.
QStringList untranslatedTexts(QWidget& window) {
    QStringList found;
    const auto check = [&found](const QWidget* widget, const char* what, const QString& text) {
        if (const QString rest = untranslatedPart(text); !rest.isEmpty()) {
            found.append(QStringLiteral("%1 %2: \"%3\"")
                             .arg(widget->objectName(), QLatin1String(what), text));
        }
    };
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    for (const QWidget* widget : widgets) {
        if (!widget->isVisible()) {
            continue;
        }
        if (widget->isWindow()) {
            check(widget, "title", widget->windowTitle());
        }
        check(widget, "tooltip", widget->toolTip());
        check(widget, "what's this", widget->whatsThis());
        check(widget, "status tip", widget->statusTip());
        check(widget, "accessible name", widget->accessibleName());
        check(widget, "accessible description", widget->accessibleDescription());
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            check(widget, "text", label->text());
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            check(widget, "text", button->text());
        } else if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
            check(widget, "title", box->title());
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
            check(widget, "placeholder", edit->placeholderText());
        } else if (const auto* combo = qobject_cast<const QComboBox*>(widget);
                   combo != nullptr && widget->objectName() != QLatin1String("Drive1")) {
            for (int i = 0; i < combo->count(); ++i) {
                check(widget, "entry", combo->itemText(i));
            }
        }
    }
    return found;
}

// Every caption of the window cut off by its box: the windows keep the
// classic fixed places, and a caption must fit them in every language.
QStringList cutCaptions(QWidget& window) {
    QStringList found;
    const auto cut = [&found](const QWidget* widget, const QString& text, const QSize& needs) {
        found.append(QStringLiteral("%1 \"%2\": needs %3x%4, has %5x%6")
                         .arg(widget->objectName(), text)
                         .arg(needs.width())
                         .arg(needs.height())
                         .arg(widget->width())
                         .arg(widget->height()));
    };
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisible()) {
            continue;
        }
        const QFontMetrics metrics = widget->fontMetrics();
        const QStyle* style = widget->style();
        if (auto* option = qobject_cast<OptionButton*>(widget)) {
            // It wraps its caption beside the indicator, whole words a line.
            QStyleOptionButton styleOption;
            styleOption.initFrom(option);
            const QRect indicator =
                style->subElementRect(QStyle::SE_RadioButtonIndicator, &styleOption, option);
            const int gap =
                style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &styleOption, option);
            const QRect room = option->rect().adjusted(indicator.right() + gap + 1, 0, 0, 0);
            const QRect used = metrics.boundingRect(
                room, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, option->text());
            if (!room.contains(used)) {
                cut(option, option->text(), used.size());
            }
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            const int needs = metrics.horizontalAdvance(button->text()) +
                              style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                              2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
            if (!button->text().isEmpty() && needs > button->width()) {
                cut(button, button->text(), {needs, button->height()});
            }
        } else if (auto* other = qobject_cast<QAbstractButton*>(widget)) {
            if (other->sizeHint().width() > other->width()) {
                cut(other, other->text(), other->sizeHint());
            }
        } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
            // The title as the style places it, which it draws no further.
            QStyleOptionGroupBox styleOption;
            styleOption.initFrom(box);
            styleOption.text = box->title();
            styleOption.textAlignment = box->alignment();
            styleOption.lineWidth = 1;
            styleOption.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
            const QRect title = style->subControlRect(QStyle::CC_GroupBox, &styleOption,
                                                      QStyle::SC_GroupBoxLabel, box);
            if (!box->rect().contains(title)) {
                cut(box, box->title(), title.size());
            }
        }
    }
    return found;
}

struct Converter {
    FakeDesktop desktop;
    std::unique_ptr<Form1> form;
    explicit Converter(const CivilTime& now = {2004, 1, 1, 10, 0, 0}) {
        desktop.clock.now = now;
        form = std::make_unique<Form1>(desktop.seams(), RegionalForm::englishUnitedStates());
    }
};

// Every scale in turn, with what the window says about the MJD in it.
void lookAtEveryScale(Converter& converter, const std::function<void(QWidget&)>& look) {
    auto* scales = converter.form->findChild<QComboBox*>(QStringLiteral("Combo2"));
    for (int i = 0; i < scales->count(); ++i) {
        scales->setCurrentIndex(i);
        Q_EMIT scales->activated(i);
        look(*converter.form);
    }
}

using Scene = std::function<void(const std::function<void(QWidget&)>&)>;

// Whether every character of the text lies within translated texts, the
// pieces put in their placeholders or joined by translated separators: a full
// stop or a blank added outside would stay English punctuation in every
// language.
bool wholeTranslated(const QString& text) {
    int depth = 0;
    for (const QChar c : text) {
        if (c == kOpen.front()) {
            ++depth;
        } else if (c == kClose.front()) {
            --depth;
        } else if (depth == 0) {
            return false;
        }
    }
    return !text.isEmpty() && depth == 0;
}

// The messages of one situation, built while the marking language is in place.
using Messages = std::function<QStringList()>;

} // namespace

Q_DECLARE_METATYPE(Scene)
Q_DECLARE_METATYPE(Messages)

class TestPseudoLocale : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyShownTextTranslated_data();
    void everyShownTextTranslated();
    void everyCaptionFits_data();
    void everyCaptionFits();
    void everyJoinedMessageTranslated_data();
    void everyJoinedMessageTranslated();

private:
    MarkingTranslator marking_;
};

namespace {

// Each scene builds a window in one state and hands it over, shown.
std::vector<std::pair<const char*, Scene>> everyScene() {
    return {
        {"converter, one file",
         [](const auto& look) {
             Converter converter;
             look(*converter.form);
         }},
        {"converter, a folder",
         [](const auto& look) {
             Converter converter;
             converter.form->findChild<QAbstractButton*>(QStringLiteral("Option2"))->click();
             look(*converter.form);
         }},
        {"converter, every scale",
         [](const auto& look) {
             Converter converter;
             lookAtEveryScale(converter, look);
         }},
        // The scales' notes on the MJD: a model before 1960, no leap second
        // known after 2016.
        {"converter, every scale in 1950",
         [](const auto& look) {
             Converter converter({1950, 6, 1, 10, 0, 0});
             lookAtEveryScale(converter, look);
         }},
        {"converter, every scale in 2030",
         [](const auto& look) {
             Converter converter({2030, 6, 1, 10, 0, 0});
             lookAtEveryScale(converter, look);
         }},
        {"preview of a folder",
         [](const auto& look) {
             QTemporaryDir folder;
             Converter converter;
             converter.form->findChild<QAbstractButton*>(QStringLiteral("Option2"))->click();
             converter.form->findChild<QLineEdit*>(QStringLiteral("txtFolder"))
                 ->setText(folder.path());
             converter.form->findChild<QAbstractButton*>(QStringLiteral("cmdPreview"))->click();
             look(*converter.form->findChild<QWidget*>(QStringLiteral("Preview")));
         }},
        {"picker",
         [](const auto& look) {
             QTemporaryDir folder;
             QLineEdit txtFolder(folder.path());
             RecordedMessages messages;
             // One volume without a name: drive captions are the system's, not ours.
             Oopen picker(txtFolder, messages, nullptr,
                          [] { return QStringList{QDir::rootPath()}; });
             look(picker);
         }},
        {"help",
         [](const auto& look) {
             showHelpWindow();
             look(*helpWindow());
             helpWindow()->close();
         }},
    };
}

} // namespace

void TestPseudoLocale::everyShownTextTranslated_data() {
    QTest::addColumn<Scene>("scene");
    for (const auto& [name, scene] : everyScene()) {
        QTest::newRow(name) << scene;
    }
}

void TestPseudoLocale::everyShownTextTranslated() {
    QFETCH(Scene, scene);
    QCoreApplication::installTranslator(&marking_);
    const auto removeMarks = qScopeGuard([this] { QCoreApplication::removeTranslator(&marking_); });
    QStringList found;
    int looked = 0;
    scene([&](QWidget& window) {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        ++looked;
        found += untranslatedTexts(window);
    });
    QVERIFY(looked > 0);
    found.removeDuplicates();
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
}

void TestPseudoLocale::everyCaptionFits_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<Scene>("scene");
    for (const char* locale : {"de_DE", "ja_JP", "fr_FR", "it_IT", "es_ES", "en_US"}) {
        for (const auto& [name, scene] : everyScene()) {
            QTest::addRow("%s: %s", locale, name) << QString::fromLatin1(locale) << scene;
        }
    }
}

void TestPseudoLocale::everyCaptionFits() {
#ifdef Q_OS_WIN
    QSKIP("Captions are measured in the fonts scripts/deps installs; under Wine a Windows "
          "system's fonts, the Japanese among them, are missing.");
#endif
    QFETCH(QString, locale);
    QFETCH(Scene, scene);
    const ProgramTranslations language{QLocale(locale)};
    QStringList found;
    scene([&](QWidget& window) {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        found += cutCaptions(window);
    });
    found.removeDuplicates();
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
}

void TestPseudoLocale::everyJoinedMessageTranslated_data() {
    QTest::addColumn<Messages>("messages");
    const auto refusal = [](ScenarioFailureKind kind, const char* path) {
        return ScenarioFailure{.kind = kind, .path = path, .reason = "denied"};
    };
    const auto file = [](const char* path, FileOutcome outcome) {
        ScenarioFileResult result;
        result.path = path;
        result.outcome = outcome;
        result.dateLineCount = outcome == FileOutcome::NoDateLine ? 0 : 2;
        return result;
    };
    const auto item = [](NoteFamily family, std::size_t lineNumber) {
        ShiftedItem shifted;
        shifted.family = family;
        shifted.lineNumber = lineNumber;
        return shifted;
    };
    QTest::newRow("folder pass naming every kind of file") << Messages([refusal, file] {
        ScenarioFolderResult result;
        result.files = {file("/f/a.scn", FileOutcome::Written),
                        file("/f/b.scn", FileOutcome::NoDateLine),
                        file("/f/c.scn", FileOutcome::AlreadyAtDate)};
        for (const char* path :
             {"/f/d.scn", "/f/e.scn", "/f/g.scn", "/f/h.scn", "/f/i.scn", "/f/j.scn", "/f/k.scn"}) {
            result.refused.push_back(refusal(ScenarioFailureKind::ReadOnly, path));
        }
        result.skipped = {refusal(ScenarioFailureKind::LinkOutside, "/f/l.scn")};
        result.leftovers = {"/f/.a.scn.tmp"};
        const PassMessage message = ScenarioWords::folder(result);
        return QStringList{message.prompt, message.detail};
    });
    QTest::newRow("a failure that ends a folder pass") << Messages([refusal] {
        ScenarioFailure failure = refusal(ScenarioFailureKind::CannotWrite, "/f/a.scn");
        failure.folderPass = true;
        failure.filesWritten = 2;
        return QStringList{ScenarioWords::failure(failure)};
    });
    QTest::newRow("a file written beside temporary files") << Messages([file] {
        ScenarioFileResult result = file("/f/a.scn", FileOutcome::Written);
        result.leftovers = {"/f/.a.scn.1", "/f/.a.scn.2"};
        return QStringList{ScenarioWords::file(result).detail};
    });
    QTest::newRow("every note on the scale") << Messages([] {
        return QStringList{ScenarioWords::scaleNotes(
            {.approximate = true, .afterLastLeapSecond = true, .inLeapSecond = true})};
    });
    QTest::newRow("a move refused over several keys") << Messages([item] {
        ShiftFileFailure failure{.path = "/f/a.scn"};
        failure.refusal =
            ShiftRefusal{.kind = ShiftFailure::Unmovable,
                         .items = {item(NoteFamily::Playback, 3), item(NoteFamily::LaunchMjd, 9)}};
        return QStringList{ShiftWords::failure(failure)};
    });
    // A read-only file with vessels, noted in the table; a file with no date
    // of its own refused by a move.
    QTest::newRow("the preview's notes and the summary of a move") << Messages([] {
        QTemporaryDir folder;
        QTemporaryDir journal;
        qputenv("ZENTADIAL_JOURNAL", journal.path().toUtf8());
        const auto unsetJournal = qScopeGuard([] { qunsetenv("ZENTADIAL_JOURNAL"); });
        const QByteArray dated = "BEGIN_ENVIRONMENT\n  Date MJD 51544.5\nEND_ENVIRONMENT\n";
        const QString readOnly = QDir(folder.path()).filePath(QStringLiteral("c.scn"));
        if (!writeBytes(QDir(folder.path()).filePath(QStringLiteral("a.scn")), dated) ||
            !writeBytes(QDir(folder.path()).filePath(QStringLiteral("b.scn")),
                        "BEGIN_ENVIRONMENT\n  Date MJD ;\nEND_ENVIRONMENT\n") ||
            !writeBytes(readOnly, dated +
                                      "BEGIN_SHIPS\nGL-01:DeltaGlider\n  STATUS Landed Earth\nEND\n"
                                      "GL-02:DeltaGlider\n  STATUS Orbiting Earth\n  RPOS 1 2 3\n"
                                      "END\nEND_SHIPS\n") ||
            !QFile::setPermissions(readOnly, QFile::ReadOwner)) {
            return QStringList{QStringLiteral("the scenario files could not be made")};
        }
        Converter converter;
        converter.form->findChild<QAbstractButton*>(QStringLiteral("Option2"))->click();
        converter.form->findChild<QLineEdit*>(QStringLiteral("txtFolder"))->setText(folder.path());
        converter.form->findChild<QAbstractButton*>(QStringLiteral("cmdPreview"))->click();
        auto* preview = converter.form->findChild<QWidget*>(QStringLiteral("Preview"));
        auto* table = preview->findChild<QTableView*>(QStringLiteral("tblFiles"));
        QStringList messages;
        for (int row = 0; row < table->model()->rowCount(); ++row) {
            const QModelIndex name = table->model()->index(row, 0);
            if (name.data().toString() == QLatin1String("c.scn")) {
                messages.append(table->model()->index(row, 3).data().toString());
            }
            if (name.data().toString() == QLatin1String("a.scn")) {
                table->setCurrentIndex(name);
            }
        }
        preview->findChild<QAbstractButton*>(QStringLiteral("optShift"))->click();
        preview->findChild<QAbstractButton*>(QStringLiteral("cmdConvertChecked"))->click();
        for (const Message& shown : converter.desktop.messages.shown) {
            for (const QString& text : {shown.prompt, shown.detail}) {
                if (!text.isEmpty()) {
                    messages.append(text);
                }
            }
        }
        return messages;
    });
}

void TestPseudoLocale::everyJoinedMessageTranslated() {
    QFETCH(Messages, messages);
    QCoreApplication::installTranslator(&marking_);
    const auto removeMarks = qScopeGuard([this] { QCoreApplication::removeTranslator(&marking_); });
    const QStringList shown = messages();
    QVERIFY(!shown.isEmpty());
    for (const QString& text : shown) {
        QVERIFY2(wholeTranslated(text), qPrintable(text));
    }
}

QTEST_MAIN(TestPseudoLocale)
#include "tst_pseudo_locale.moc"
