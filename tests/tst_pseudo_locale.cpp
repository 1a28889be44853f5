#include "converter/form1.h"
#include "help/form2.h"
#include "picker/oopen.h"
#include "support/fake_seams.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <functional>
#include <memory>

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

} // namespace

Q_DECLARE_METATYPE(Scene)

class TestPseudoLocale : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void everyShownTextTranslated_data();
    void everyShownTextTranslated();

private:
    MarkingTranslator marking_;
};

void TestPseudoLocale::initTestCase() {
    QCoreApplication::installTranslator(&marking_);
}

void TestPseudoLocale::cleanupTestCase() {
    QCoreApplication::removeTranslator(&marking_);
}

void TestPseudoLocale::everyShownTextTranslated_data() {
    QTest::addColumn<Scene>("scene");
    // Each scene builds a window in one state and hands it over, shown.
    QTest::newRow("converter, one file") << Scene([](const auto& look) {
        Converter converter;
        look(*converter.form);
    });
    QTest::newRow("converter, a folder") << Scene([](const auto& look) {
        Converter converter;
        converter.form->findChild<QAbstractButton*>(QStringLiteral("Option2"))->click();
        look(*converter.form);
    });
    QTest::newRow("converter, every scale") << Scene([](const auto& look) {
        Converter converter;
        lookAtEveryScale(converter, look);
    });
    // The scales' notes on the MJD: a model before 1960, no leap second known
    // after 2016.
    QTest::newRow("converter, every scale in 1950") << Scene([](const auto& look) {
        Converter converter({1950, 6, 1, 10, 0, 0});
        lookAtEveryScale(converter, look);
    });
    QTest::newRow("converter, every scale in 2030") << Scene([](const auto& look) {
        Converter converter({2030, 6, 1, 10, 0, 0});
        lookAtEveryScale(converter, look);
    });
    QTest::newRow("preview of a folder") << Scene([](const auto& look) {
        QTemporaryDir folder;
        Converter converter;
        converter.form->findChild<QAbstractButton*>(QStringLiteral("Option2"))->click();
        converter.form->findChild<QLineEdit*>(QStringLiteral("txtFolder"))->setText(folder.path());
        converter.form->findChild<QAbstractButton*>(QStringLiteral("cmdPreview"))->click();
        look(*converter.form->findChild<QWidget*>(QStringLiteral("Preview")));
    });
    QTest::newRow("picker") << Scene([](const auto& look) {
        QTemporaryDir folder;
        QLineEdit txtFolder(folder.path());
        RecordedMessages messages;
        // One volume without a name: drive captions are the system's, not ours.
        Oopen picker(txtFolder, messages, nullptr, [] { return QStringList{QDir::rootPath()}; });
        look(picker);
    });
    QTest::newRow("help") << Scene([](const auto& look) {
        showHelpWindow();
        look(*helpWindow());
        helpWindow()->close();
    });
}

void TestPseudoLocale::everyShownTextTranslated() {
    QFETCH(Scene, scene);
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

QTEST_MAIN(TestPseudoLocale)
#include "tst_pseudo_locale.moc"
