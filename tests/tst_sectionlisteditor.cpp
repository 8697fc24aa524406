#include "UserInput.h"

#include "app/ChoiceLists.h"
#include "app/FontSetup.h"
#include "app/ReadmeSettings.h"
#include "app/SectionListEditor.h"
#include "readme/ReadmeComposer.h"

#include <QListWidget>
#include <QTest>

#include <memory>

using UserInput::ModalAnswerer;

// The section list editor of page 3 (Part 1.4), shown on its own and driven
// by mouse and keyboard: the five buttons, their edge cases, and the input
// box of Add.
class TestSectionListEditor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void startsWithTheEightHeadings();
    void moveWithoutSelectionChangesNothing_data();
    void moveWithoutSelectionChangesNothing();
    void moveThirdHeadingRight();
    void chosenOrderIsTheOrderOfTheMoves();
    void movedBackHeadingGoesToTheEnd();
    void moveLeavesTargetSelectionAlone();
    void secondOfTwoEqualEntriesIsRemoved();
    void moveAllAppendsInOrder_data();
    void moveAllAppendsInOrder();
    void moveAllFromEmptyListChangesNothing();
    void moveAllDoesNotDeduplicate();
    void moveAllTakesThousandsOfEntries();
    void addAsksWithPromptAndTitle();
    void addAppendsTypedHeadingUnchanged_data();
    void addAppendsTypedHeadingUnchanged();
    void cancelledAddAppendsEmptyEntry();
    void emptyEntryMovesOnlyWithMoveAll();
    void addedHeadingMovesLeftLikeAnyOther();
    void keyboardMovesSelectedHeading();

private:
    void setLists(const QStringList &left, const QStringList &right);
    void press(const char *button);
    [[nodiscard]] QStringList left() const;
    [[nodiscard]] QStringList right() const;

    std::unique_ptr<SectionListEditor> m_editor;
    QListWidget *m_left = nullptr;
    QListWidget *m_right = nullptr;
};

namespace {

QStringList texts(const QListWidget *list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result.append(list->item(i)->text());
    return result;
}

} // namespace

void TestSectionListEditor::initTestCase()
{
    FontSetup::registerSubstitutes();
}

void TestSectionListEditor::init()
{
    m_editor = std::make_unique<SectionListEditor>(nullptr);
    m_editor->apply(ReadmeSettings::atStartup());
    m_editor->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_editor.get()));
    m_left = m_editor->findChild<QListWidget *>(u"list2Left"_qs);
    m_right = m_editor->findChild<QListWidget *>(u"List2Right"_qs);
    QVERIFY(m_left);
    QVERIFY(m_right);
}

void TestSectionListEditor::cleanup()
{
    m_editor.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestSectionListEditor::setLists(const QStringList &left, const QStringList &right)
{
    ReadmeSettings s;
    s.list2Left = left;
    s.List2Right = right;
    m_editor->apply(s);
}

void TestSectionListEditor::press(const char *button)
{
    QWidget *const widget = m_editor->findChild<QWidget *>(QString::fromLatin1(button));
    QVERIFY2(widget, button);
    QTest::mouseClick(widget, Qt::LeftButton);
}

QStringList TestSectionListEditor::left() const
{
    return texts(m_left);
}

QStringList TestSectionListEditor::right() const
{
    return texts(m_right);
}

void TestSectionListEditor::startsWithTheEightHeadings()
{
    QCOMPARE(left(), ChoiceLists::availableHeadings());
    QVERIFY(right().isEmpty());
    QVERIFY(m_left->selectedItems().isEmpty());
    QCOMPARE(m_left->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(m_right->selectionMode(), QAbstractItemView::SingleSelection);
    QVERIFY(m_left->uniformItemSizes());
    QVERIFY(m_right->uniformItemSizes());
}

void TestSectionListEditor::moveWithoutSelectionChangesNothing_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::newRow("> with nothing selected on the left") << QByteArray("lbl2Right");
    QTest::newRow("< with nothing selected on the right") << QByteArray("lbl2Left");
}

void TestSectionListEditor::moveWithoutSelectionChangesNothing()
{
    QFETCH(QByteArray, button);
    setLists(ChoiceLists::availableHeadings(), {u"謝辞"_qs, u"はじめに"_qs});
    press(button.constData());
    QCOMPARE(left(), ChoiceLists::availableHeadings());
    QCOMPARE(right(), (QStringList{u"謝辞"_qs, u"はじめに"_qs}));
}

void TestSectionListEditor::moveThirdHeadingRight()
{
    UserInput::clickRow(m_left, 2);
    press("lbl2Right");
    QCOMPARE(right(), QStringList{u"ソフト紹介"_qs});
    QStringList expected = ChoiceLists::availableHeadings();
    expected.removeAt(2);
    QCOMPARE(left(), expected);
    QVERIFY(m_left->selectedItems().isEmpty());
    QVERIFY(m_right->selectedItems().isEmpty());
}

void TestSectionListEditor::chosenOrderIsTheOrderOfTheMoves()
{
    UserInput::clickRow(m_left, 6); // 謝辞
    press("lbl2Right");
    UserInput::clickRow(m_left, 0); // はじめに
    press("lbl2Right");
    QCOMPARE(right(), (QStringList{u"謝辞"_qs, u"はじめに"_qs}));

    ReadmeSettings s = ReadmeSettings::atStartup();
    m_editor->readInto(s);
    const QString text = ReadmeComposer::ComposeReadme(s);
    QVERIFY(text.indexOf(u"【謝辞】"_qs) >= 0);
    QVERIFY(text.indexOf(u"【謝辞】"_qs) < text.indexOf(u"【はじめに】"_qs));
}

void TestSectionListEditor::movedBackHeadingGoesToTheEnd()
{
    UserInput::clickRow(m_left, 0);
    press("lbl2Right");
    UserInput::clickRow(m_right, 0);
    press("lbl2Left");
    QStringList expected = ChoiceLists::availableHeadings();
    expected.move(0, expected.size() - 1);
    QCOMPARE(left(), expected);
    QVERIFY(right().isEmpty());
    QVERIFY(m_right->selectedItems().isEmpty());
}

void TestSectionListEditor::moveLeavesTargetSelectionAlone()
{
    setLists(ChoiceLists::availableHeadings(), {u"A"_qs, u"B"_qs});
    UserInput::clickRow(m_right, 1);
    UserInput::clickRow(m_left, 3);
    press("lbl2Right");
    QCOMPARE(right(), (QStringList{u"A"_qs, u"B"_qs, u"ソフトの説明"_qs}));
    QCOMPARE(m_right->selectedItems().size(), 1);
    QCOMPARE(m_right->selectedItems().first()->text(), u"B"_qs);
    QVERIFY(m_left->selectedItems().isEmpty());
}

void TestSectionListEditor::secondOfTwoEqualEntriesIsRemoved()
{
    setLists({u"X"_qs, u"Y"_qs, u"X"_qs}, {});
    UserInput::clickRow(m_left, 2);
    press("lbl2Right");
    QCOMPARE(left(), (QStringList{u"X"_qs, u"Y"_qs}));
    QCOMPARE(right(), QStringList{u"X"_qs});
}

void TestSectionListEditor::moveAllAppendsInOrder_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QStringList>("leftBefore");
    QTest::addColumn<QStringList>("rightBefore");
    QTest::addColumn<QStringList>("leftAfter");
    QTest::addColumn<QStringList>("rightAfter");
    const QStringList headings = ChoiceLists::availableHeadings();
    const QStringList chosen = {u"謝辞"_qs, u"独自"_qs};
    QTest::newRow(">> appends the available after the chosen")
        << QByteArray("lbl2Right2") << headings << chosen << QStringList() << chosen + headings;
    QTest::newRow("<< appends the chosen after the available")
        << QByteArray("lbl2Left2") << headings << chosen << headings + chosen << QStringList();
}

void TestSectionListEditor::moveAllAppendsInOrder()
{
    QFETCH(QByteArray, button);
    QFETCH(QStringList, leftBefore);
    QFETCH(QStringList, rightBefore);
    QFETCH(QStringList, leftAfter);
    QFETCH(QStringList, rightAfter);
    setLists(leftBefore, rightBefore);
    press(button.constData());
    QCOMPARE(left(), leftAfter);
    QCOMPARE(right(), rightAfter);
}

void TestSectionListEditor::moveAllFromEmptyListChangesNothing()
{
    press("lbl2Left2");
    QCOMPARE(left(), ChoiceLists::availableHeadings());
    QVERIFY(right().isEmpty());
    press("lbl2Right2");
    press("lbl2Right2");
    QVERIFY(left().isEmpty());
    QCOMPARE(right(), ChoiceLists::availableHeadings());
}

void TestSectionListEditor::moveAllDoesNotDeduplicate()
{
    setLists({u"謝辞"_qs, u""_qs}, {u"謝辞"_qs});
    press("lbl2Right2");
    QCOMPARE(right(), (QStringList{u"謝辞"_qs, u"謝辞"_qs, u""_qs}));
}

void TestSectionListEditor::moveAllTakesThousandsOfEntries()
{
    QStringList many;
    for (int i = 0; i < 32767; ++i)
        many.append(QString::number(i));
    setLists(many, {});
    press("lbl2Right2");
    QVERIFY(left().isEmpty());
    QCOMPARE(right(), many);
    press("lbl2Left2");
    QCOMPARE(left(), many);
    QVERIFY(right().isEmpty());
}

void TestSectionListEditor::addAsksWithPromptAndTitle()
{
    ModalAnswerer answerer(ModalAnswerer::Press::Ok, u"x"_qs);
    press("lbl2Add");
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].objectName, u"inputBox"_qs);
    QCOMPARE(answerer.seen[0].title, u"Tessel"_qs);
    QCOMPARE(answerer.seen[0].text, u"追加したい項目名を入力してください。"_qs);
    QCOMPARE(answerer.seen[0].initialInput, QString());
}

void TestSectionListEditor::addAppendsTypedHeadingUnchanged_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("a new heading") << u"動作の仕組み"_qs;
    QTest::newRow("blanks kept") << u"  使い方  "_qs;
    QTest::newRow("a heading already chosen") << u"謝辞"_qs;
    QTest::newRow("confirmed with nothing typed") << QString();
}

void TestSectionListEditor::addAppendsTypedHeadingUnchanged()
{
    QFETCH(QString, typed);
    setLists(ChoiceLists::availableHeadings(), {u"謝辞"_qs});
    {
        ModalAnswerer answerer(ModalAnswerer::Press::Ok, typed);
        press("lbl2Add");
        QCOMPARE(answerer.seen.size(), 1);
    }
    QCOMPARE(right(), (QStringList{u"謝辞"_qs, typed}));
    QCOMPARE(left(), ChoiceLists::availableHeadings());
}

void TestSectionListEditor::cancelledAddAppendsEmptyEntry()
{
    {
        ModalAnswerer answerer(ModalAnswerer::Press::Cancel, u"typed, then cancelled"_qs);
        press("lbl2Add");
        QCOMPARE(answerer.seen.size(), 1);
    }
    QCOMPARE(right(), QStringList{QString()});
    QCOMPARE(left(), ChoiceLists::availableHeadings());
}

void TestSectionListEditor::emptyEntryMovesOnlyWithMoveAll()
{
    {
        ModalAnswerer answerer(ModalAnswerer::Press::Cancel);
        press("lbl2Add");
    }
    UserInput::clickRow(m_right, 0);
    QCOMPARE(m_right->selectedItems().size(), 1);
    press("lbl2Left");
    QCOMPARE(right(), QStringList{QString()});
    QCOMPARE(left(), ChoiceLists::availableHeadings());
    press("lbl2Left2");
    QVERIFY(right().isEmpty());
    QCOMPARE(left(), ChoiceLists::availableHeadings() + QStringList{QString()});
}

void TestSectionListEditor::addedHeadingMovesLeftLikeAnyOther()
{
    {
        ModalAnswerer answerer(ModalAnswerer::Press::Ok, u"独自の項目"_qs);
        press("lbl2Add");
    }
    QCOMPARE(right(), QStringList{u"独自の項目"_qs});
    QVERIFY(!left().contains(u"独自の項目"_qs));
    UserInput::clickRow(m_right, 0);
    press("lbl2Left");
    QCOMPARE(left(), ChoiceLists::availableHeadings() + QStringList{u"独自の項目"_qs});
    QVERIFY(right().isEmpty());
}

void TestSectionListEditor::keyboardMovesSelectedHeading()
{
    QApplication::setActiveWindow(m_editor.get());
    QVERIFY(QTest::qWaitForWindowActive(m_editor.get()));
    m_left->setFocus(Qt::TabFocusReason);
    QTest::keyClick(m_left, Qt::Key_Down); // the first entry
    QTest::keyClick(m_left, Qt::Key_Down); // the second
    QCOMPARE(m_left->selectedItems().size(), 1);
    QTest::keyClick(m_left, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_right);
    QTest::keyClick(m_right, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), u"lbl2Right"_qs);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(right().size(), 1);
    QCOMPARE(left().size(), 7);
}

QTEST_MAIN(TestSectionListEditor)
#include "tst_sectionlisteditor.moc"
