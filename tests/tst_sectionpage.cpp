// SPDX-License-Identifier: MIT
#include "QueuedAnswers.h"
#include "TopLevels.h"
#include "UserInput.h"

#include "app/SectionPage.h"
#include "core/ReadmeSettings.h"
#include "core/Texts.h"

#include <QKeySequence>
#include <QListWidget>
#include <QTest>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

// The section list editor of page 3 on its own, driven by mouse and
// keyboard: the four move buttons with their edge cases, and Add with its
// input box. Lists are written as words, "_" standing for an empty entry.
class TestSectionPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_editor = std::make_unique<SectionPage>(nullptr);
        m_editor->show();
        m_editor->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_editor.get()));
        m_left = m_editor->findChild<QListWidget *>(u"list2Left"_s);
        m_right = m_editor->findChild<QListWidget *>(u"List2Right"_s);
        QVERIFY(m_left && m_right);
        m_left->setFocus(Qt::TabFocusReason);
    }

    void cleanup()
    {
        m_editor.reset();
        QCOMPARE(TopLevels::leftOver(), QWidgetList());
    }

    // Steps: "L2" clicks the third entry on the left, "R0" the first on the
    // right; ">", "<", ">>" and "<<" click those buttons; "Down", "Tab" and
    // "Space" are keys, the focus starting on the left.
    void moves_data()
    {
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("right");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("leftAfter");
        QTest::addColumn<QString>("rightAfter");
        QTest::addColumn<QString>("selectedAfter"); // left's, then right's
        QTest::newRow("> with nothing selected")
            << u"a b c"_s << u"x y"_s << u">"_s << u"a b c"_s << u"x y"_s << QString();
        QTest::newRow("> appends the selected entry, nothing stays selected")
            << u"a b c"_s << u"x y"_s << u"L1 >"_s << u"a c"_s << u"x y b"_s << QString();
        QTest::newRow("< appends to the end of the available")
            << u"a b c"_s << u"x y"_s << u"R0 <"_s << u"a b c x"_s << u"y"_s << QString();
        QTest::newRow("the target's selection stays")
            << u"a b c"_s << u"x y"_s << u"R1 L0 >"_s << u"b c"_s << u"x y a"_s << u"y"_s;
        QTest::newRow("of two equal entries the selected one goes")
            << u"a b a"_s << QString() << u"L2 >"_s << u"a b"_s << u"a"_s << QString();
        QTest::newRow("a selected empty entry does not move")
            << u"a b c"_s << u"_"_s << u"R0 <"_s << u"a b c"_s << u"_"_s << u"_"_s;
        QTest::newRow(">> appends all after the chosen, duplicates and empty ones too")
            << u"a _ x"_s << u"x y"_s << u">>"_s << QString() << u"x y a _ x"_s << QString();
        QTest::newRow("<< appends all chosen after the available")
            << u"a b"_s << u"x y"_s << u"<<"_s << u"a b x y"_s << QString() << QString();
        QTest::newRow("keyboard: select the second, Tab to >, Space")
            << u"a b c"_s << QString() << u"Down Down Tab Tab Space"_s << u"a c"_s << u"b"_s
            << QString();
    }

    void moves()
    {
        QFETCH(QString, left);
        QFETCH(QString, right);
        QFETCH(QString, steps);
        setLists(left, right);
        const QHash<QString, QString> buttons = {{u">"_s, u"lbl2Right"_s},
                                                 {u"<"_s, u"lbl2Left"_s},
                                                 {u">>"_s, u"lbl2Right2"_s},
                                                 {u"<<"_s, u"lbl2Left2"_s}};
        for (const QString &step : steps.split(u' ')) {
            if (buttons.contains(step))
                QTest::mouseClick(m_editor->findChild<QWidget *>(buttons[step]), Qt::LeftButton);
            else if (step[1].isDigit())
                UserInput::clickRow(step[0] == u'L' ? m_left : m_right, step.mid(1).toInt());
            else
                QTest::keyClick(QApplication::focusWidget(), QKeySequence(step)[0].key());
        }
        QTEST(shown(m_left), "leftAfter");
        QTEST(shown(m_right), "rightAfter");
        QTEST((shown(m_left, true) + u' ' + shown(m_right, true)).trimmed(), "selectedAfter");
    }

    void add_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("confirmed");
        QTest::addColumn<QString>("appended");
        QTest::newRow("a heading already chosen") << u"謝辞"_s << true << u"謝辞"_s;
        QTest::newRow("blanks kept") << u"  使い方  "_s << true << u"  使い方  "_s;
        QTest::newRow("cancelled: an empty entry") << u"typed"_s << false << QString();
    }

    // Add asks with an empty box and appends what was typed, as typed.
    void add()
    {
        QFETCH(QString, typed);
        QFETCH(bool, confirmed);
        setLists(QString(), u"謝辞"_s);
        {
            const QueuedAnswers answers({{confirmed, typed}});
            QTest::mouseClick(m_editor->findChild<QWidget *>(u"lbl2Add"_s), Qt::LeftButton);
            QCOMPARE(answers.seen().size(), 1);
            QCOMPARE(answers.seen()[0].title, u"Tessel"_s);
            QCOMPARE(answers.seen()[0].text, Texts::newHeadingPrompt());
        }
        QCOMPARE(m_right->count(), 2);
        QTEST(m_right->item(1)->text(), "appended");
    }

private:
    void setLists(const QString &left, const QString &right)
    {
        ReadmeSettings lists;
        lists.list2Left = words(left);
        lists.List2Right = words(right);
        m_editor->apply(lists);
    }

    static QStringList words(const QString &text)
    {
        QStringList entries = text.split(u' ', Qt::SkipEmptyParts);
        std::replace(entries.begin(), entries.end(), u"_"_s, QString());
        return entries;
    }

    // The entries (or only the selected ones) as words.
    static QString shown(const QListWidget *list, bool selectedOnly = false)
    {
        QStringList entries;
        for (int i = 0; i < list->count(); ++i) {
            if (!selectedOnly || list->item(i)->isSelected())
                entries.append(list->item(i)->text().isEmpty() ? u"_"_s : list->item(i)->text());
        }
        return entries.join(u' ');
    }

    std::unique_ptr<SectionPage> m_editor;
    QListWidget *m_left = nullptr;
    QListWidget *m_right = nullptr;
};

QTEST_MAIN(TestSectionPage)
#include "tst_sectionpage.moc"
