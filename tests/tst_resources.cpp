// SPDX-License-Identifier: MIT
#include <QSvgRenderer>
#include <QTest>

// Every picture of resources/ is compiled into the static GUI library; each
// one must load from its resource path at its size.
class TestResources : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pictureLoads_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::newRow("title") << u":/title.svg"_qs << QSize(200, 40);
        QTest::newRow("icon") << u":/icon.svg"_qs << QSize(32, 32);
        QTest::newRow("Preview") << u":/button-preview.svg"_qs << QSize(80, 25);
        QTest::newRow("Back") << u":/button-back.svg"_qs << QSize(80, 25);
        QTest::newRow("Next") << u":/button-next.svg"_qs << QSize(80, 25);
        QTest::newRow("OK") << u":/button-ok.svg"_qs << QSize(80, 25);
        QTest::newRow("Cancel") << u":/button-cancel.svg"_qs << QSize(80, 25);
    }

    void pictureLoads()
    {
        QFETCH(QString, path);
        const QSvgRenderer renderer(path);
        QVERIFY2(renderer.isValid(), qPrintable(path));
        QTEST(renderer.defaultSize(), "size");
    }
};

QTEST_GUILESS_MAIN(TestResources)
#include "tst_resources.moc"
