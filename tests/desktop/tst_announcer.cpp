// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
// A finished calculation reaches a screen reader at once, wherever the
// focus is: the event leaves the program through Qt's accessibility bridge,
// which this test stands in for. CTest runs it with accessibility on, as a
// screen reader turns it on.

#include "guifixture.h"

#include <QAccessible>

namespace {
// What the bridge is handed while this lives: on Qt 6.8 and later the
// sentence of each announcement; before, the name of each notification
// that comes into view.
class HeardAnnouncements
{
public:
    HeardAnnouncements() { m_previous = QAccessible::installUpdateHandler(&record); }
    ~HeardAnnouncements()
    {
        QAccessible::installUpdateHandler(m_previous);
        heard().clear();
    }

    static QStringList &heard()
    {
        static QStringList sentences;
        return sentences;
    }

private:
    static void record(QAccessibleEvent *event)
    {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        if (event->type() == QAccessible::Announcement)
            heard() << static_cast<QAccessibleAnnouncementEvent *>(event)->message();
#else
        QAccessibleInterface *shown = event->accessibleInterface();
        if (event->type() == QAccessible::ObjectShow && shown && shown->role() == QAccessible::Notification)
            heard() << shown->text(QAccessible::Name);
#endif
    }

    QAccessible::UpdateHandler m_previous = nullptr;
};
}

class TestAnnouncer : public GuiTestCase
{
    Q_OBJECT

private Q_SLOTS:
    // Qt hands events to the bridge only while a screen reader listens.
    void initTestCase() { QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000); }

    // Shown, not waited on to become active: the X server has no window
    // manager to activate it, and the announcement does not need it.
    void init()
    {
        program = std::make_unique<TestProgram>();
        program->form1->show();
        QVERIFY(QTest::qWaitForWindowExposed(program->form1));
    }

    void calculationIsAnnounced_data() { addKnownResultRows(); }

    // Once for each finished calculation; a failed one is heard through its
    // report alone.
    void calculationIsAnnounced()
    {
        QFETCH(KnownResult, known);
        program->typeFrequency(known.frequency);
        program->pickCable(known.cable);
        const HeardAnnouncements announcements;
        program->press(known.button());
        program->typeFrequency(QString());
        program->press(known.button());
        QCOMPARE(HeardAnnouncements::heard(),
                 QStringList{known.overallStatement + QStringLiteral(". ") + known.coaxStatement + u'.'});
    }
};

// On the desktop CTest gives it.
TARNWICK_GUI_TEST_MAIN_IN(TestAnnouncer, GuiTestEnvironment{.beforeStart = nullptr})
#include "tst_announcer.moc"
