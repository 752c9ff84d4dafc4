// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Jobs on the real windows: saved from one planner and opened in a fresh program as they
// were, down to the pass at the saw; a file that is not a job changes nothing; a changed
// job is asked about before it is closed.
#include <QFile>
#include <QMenu>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>

#include "app/planner/at_the_saw.h"
#include "window_harness.h"

using namespace arcwright;
using namespace arcwright::testing;

namespace {

const char* const kBoxes[] = {"planCoveWidth",      "planCoveDepth", "planBoardWidth",
                              "planBoardThickness", "planPassDepth", "planTilt"};

QStringList boxTexts(const Planner& planner) {
    QStringList texts;
    for (const char* name : kBoxes) texts << box(planner, name)->text();
    return texts;
}

}  // namespace

class JobTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<Form1> window_;
    Planner* planner_ = nullptr;
    QStringList told_;
    QList<QMessageBox::StandardButton> answers_;  // to the question, in turn
    int asked_ = 0;

    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    // A fresh program: the calculator, its planner, and dialogs answered by the test.
    void start() {
        window_ = openWindow();
        control<QPushButton>(*window_, "Command12")->click();  // the calculator's own note
        planner_ = openPlanner(*window_);
        QVERIFY(planner_);
        planner_->setJobDialogs({{},
                                 {},
                                 [this](QWidget&) {
                                     ++asked_;
                                     return answers_.isEmpty() ? QMessageBox::Cancel
                                                               : answers_.takeFirst();
                                 },
                                 [this](QWidget&, const QString& sentence) { told_ << sentence; }});
    }

    // A 3-in. cove 5/8 in. deep in 1/16-in. passes, with the given tilt.
    void plan(const QString& tilt) {
        const QStringList texts{"3", "5/8", "4 1/2", "1 1/4", "1/16", tilt};
        for (int i = 0; i < texts.size(); ++i) retype(box(*planner_, kBoxes[i]), texts[i]);
    }

    // At the saw: the safety note read, then this many passes made.
    void makePasses(int passes) {
        QTest::mouseClick(control<QPushButton>(*planner_, "planAtSaw"), Qt::LeftButton);
        auto* view = planner_->findChild<AtTheSaw*>();
        QVERIFY(view);
        QTest::keyClick(view, Qt::Key_Return);
        QTest::keyClick(view, Qt::Key_Space);  // from the set-up page to the first pass
        for (int i = 0; i < passes; ++i) QTest::keyClick(view, Qt::Key_Space);
        view->close();
    }

  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QApplication::setOrganizationName(QStringLiteral("ArcwrightTests"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.filePath("config"));
    }
    void init() {
        told_.clear();
        answers_.clear();
        asked_ = 0;
        start();
    }
    void cleanup() { window_.reset(); }

    // Saved, the program closed, opened in a new one: the same boxes, unit, lean and pass.
    void reopensAsSaved_data() {
        QTest::addColumn<QString>("tilt");
        QTest::addColumn<bool>("millimetres");
        QTest::addColumn<bool>("leanAway");
        QTest::addColumn<int>("passesMade");
        QTest::newRow("inches, upright, 3 made") << "" << false << false << 3;
        QTest::newRow("millimetres, tilted away, 2 made") << "10" << true << true << 2;
        QTest::newRow("inches, tilted toward, all made") << "15" << false << false << 99;
    }
    void reopensAsSaved() {
        QFETCH(QString, tilt);
        QFETCH(bool, millimetres);
        QFETCH(bool, leanAway);
        QFETCH(int, passesMade);
        plan(tilt);
        if (millimetres) control<QRadioButton>(*planner_, "planMillimetres")->click();
        if (leanAway) control<QRadioButton>(*planner_, "planTiltAway")->click();
        makePasses(passesMade);
        const QStringList texts = boxTexts(*planner_);
        const int position = planner_->sawSession().steps().position();
        QCOMPARE(position, std::min(passesMade, planner_->sawSession().steps().count()));
        QVERIFY(planner_->saveJob(path("cove.arcwright")));

        window_.reset();
        start();
        QVERIFY(planner_->openJob(path("cove.arcwright")));
        QCOMPARE(boxTexts(*planner_), texts);
        QCOMPARE(control<QRadioButton>(*planner_, "planMillimetres")->isChecked(), millimetres);
        QCOMPARE(planner_->model().unit(), millimetres ? LengthUnit::Millimetre : LengthUnit::Inch);
        QCOMPARE(control<QRadioButton>(*planner_, "planTiltAway")->isChecked(), leanAway);
        QCOMPARE(planner_->sawSession().steps().position(), position);
        QVERIFY(!planner_->jobChanged());
        QVERIFY(told_.isEmpty());
    }

    // A file that is not a job says why and leaves the planner as it was.
    void brokenFileChangesNothing_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("newer") << QByteArray("{\"format\":\"arcwright-job\",\"version\":9}")
                               << "The job was saved by a newer version of Arcwright; update "
                                  "Arcwright to open it.";
        // Read no further than a job can be.
        QTest::newRow("huge") << QByteArray(1 << 20, ' ')
                              << "The file is too large to be an Arcwright job.";
    }
    void brokenFileChangesNothing() {
        QFETCH(QByteArray, content);
        QFETCH(QString, sentence);
        plan(QStringLiteral("5"));
        QFile file(path("broken.arcwright"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        const QStringList texts = boxTexts(*planner_);
        QVERIFY(!planner_->openJob(file.fileName()));
        QCOMPARE(told_, QStringList{sentence});
        QCOMPARE(boxTexts(*planner_), texts);
        QVERIFY(planner_->jobPath().isEmpty());
        told_.clear();
        QVERIFY(!planner_->openJob(path("missing.arcwright")));
        QCOMPARE(told_.size(), 1);
    }

    // Closing the planner or the program with a changed job asks once; the answer decides.
    void asksBeforeClosingAChangedJob_data() {
        QTest::addColumn<bool>("program");  // the calculator's window is closed, not the planner
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QString>("savedWidth");
        for (const bool program : {false, true}) {
            const char* what = program ? "program" : "planner";
            QTest::addRow("%s, save", what) << program << int(QMessageBox::Save) << true << "2";
            QTest::addRow("%s, discard", what)
                << program << int(QMessageBox::Discard) << true << "3";
            QTest::addRow("%s, cancel", what)
                << program << int(QMessageBox::Cancel) << false << "3";
        }
    }
    void asksBeforeClosingAChangedJob() {
        QFETCH(bool, program);
        QFETCH(int, answer);
        QFETCH(bool, closes);
        QFETCH(QString, savedWidth);
        plan(QString());
        QVERIFY(planner_->saveJob(path("asked.arcwright")));
        QVERIFY(planner_->close());  // unchanged: no question
        QCOMPARE(asked_, 0);
        planner_->show();
        retype(box(*planner_, "planCoveWidth"), QStringLiteral("2"));
        QVERIFY(planner_->jobChanged());
        answers_ = {QMessageBox::StandardButton(answer)};
        QWidget* closing = program ? static_cast<QWidget*>(window_.get()) : planner_;
        QCOMPARE(closing->close(), closes);
        QCOMPARE(asked_, 1);
        QCOMPARE(closing->isVisible(), !closes);

        // What the file holds now, read by a fresh planner.
        window_.reset();
        start();
        QVERIFY(planner_->openJob(path("asked.arcwright")));
        QCOMPARE(box(*planner_, "planCoveWidth")->text(), savedWidth);
    }

    // The last five jobs, newest first, in Open Recent.
    void remembersTheLastFiveJobs() {
        plan(QString());
        for (const char* name : {"a", "b", "c", "d", "e", "f", "b"}) {
            QVERIFY(planner_->saveJob(path(name) + QStringLiteral(".arcwright")));
        }
        auto* recent = planner_->findChild<QMenu*>(QStringLiteral("planRecentJobs"));
        QVERIFY(recent);
        emit recent->aboutToShow();  // as the menu opens
        QStringList shown;
        for (const QAction* action : recent->actions()) shown << action->text();
        QCOMPARE(shown, (QStringList{"&1 b.arcwright", "&2 f.arcwright", "&3 e.arcwright",
                                     "&4 d.arcwright", "&5 c.arcwright"}));
        retype(box(*planner_, "planCoveWidth"), QStringLiteral("2"));
        answers_ = {QMessageBox::Discard};
        recent->actions().at(3)->trigger();  // d, saved with a 3-in. cove
        QCOMPARE(planner_->jobPath(), path("d.arcwright"));
        QCOMPARE(box(*planner_, "planCoveWidth")->text(), QStringLiteral("3"));
    }
};

ARCWRIGHT_WINDOW_TEST_MAIN(JobTest)
#include "job_test.moc"
