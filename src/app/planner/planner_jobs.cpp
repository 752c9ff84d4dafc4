// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The planner's jobs: the File menu, saving and opening a job file, the recent jobs, and
// the question before a changed job is closed, with the planner or with the program.
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSaveFile>
#include <QSettings>
#include <QSignalBlocker>
#include <QStandardPaths>

#include "app/planner/planner.h"
#include "job/planner_job.h"

namespace arcwright {

namespace {

const QString kRecentKey = QStringLiteral("recentJobs");
constexpr qsizetype kRecentCount = 5;
const QString kSuffix = QStringLiteral("arcwright");

QStringList recentJobs() {
    return QSettings().value(kRecentKey).toStringList();
}

void setRecentJobs(QStringList paths) {
    paths.removeDuplicates();
    QSettings().setValue(kRecentKey, paths.mid(0, kRecentCount));
}

void rememberJob(const QString& path) {
    QStringList paths = recentJobs();
    paths.removeAll(path);
    paths.prepend(path);
    setRecentJobs(paths);
}

void forgetJob(const QString& path) {
    QStringList paths = recentJobs();
    paths.removeAll(path);
    setRecentJobs(paths);
}

QString filter() {
    return Planner::tr("Arcwright jobs (*.%1)").arg(kSuffix);
}

}  // namespace

QMenuBar* Planner::createJobMenu() {
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("planMenu"));
    // Alt+F is the cove's place; L is free.
    QMenu* file = bar->addMenu(tr("Fi&le"));
    QAction* open = file->addAction(tr("&Open Job..."), this, &Planner::chooseJobToOpen);
    open->setObjectName(QStringLiteral("planOpenJob"));
    open->setShortcut(QKeySequence::Open);
    QMenu* recent = file->addMenu(tr("Open &Recent"));
    recent->setObjectName(QStringLiteral("planRecentJobs"));
    connect(recent, &QMenu::aboutToShow, this, [this, recent] { showRecentJobs(*recent); });
    QAction* save = file->addAction(tr("&Save Job..."), this, &Planner::saveJobAs);
    save->setObjectName(QStringLiteral("planSaveJob"));
    save->setShortcut(QKeySequence::Save);
    // Closing the calculator ends the program: a changed job is asked about first.
    if (parentWidget()) parentWidget()->installEventFilter(this);
    return bar;
}

void Planner::showRecentJobs(QMenu& menu) {
    menu.clear();
    const QStringList paths = recentJobs();
    int number = 1;
    for (const QString& path : paths) {
        QAction* action = menu.addAction(tr("&%1 %2").arg(number++).arg(QFileInfo(path).fileName()),
                                         this, [this, path] {
                                             if (!openJob(path) && !QFileInfo::exists(path))
                                                 forgetJob(path);
                                         });
        action->setStatusTip(QDir::toNativeSeparators(path));
        action->setToolTip(QDir::toNativeSeparators(path));
    }
    if (paths.isEmpty()) menu.addAction(tr("No recent jobs"))->setEnabled(false);
}

Job Planner::currentJob() const {
    return jobOf(model_, sawSession().steps().position());
}

bool Planner::jobChanged() const {
    return settledJob_ && currentJob() != *settledJob_;
}

bool Planner::saveJob(const QString& path) {
    const Job job = currentJob();
    QSaveFile out(path);
    const QByteArray text = QByteArray::fromStdString(writeJob(job) + '\n');
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size() || !out.commit()) {
        const QString sentence = tr("The job could not be saved as %1: %2.")
                                     .arg(QDir::toNativeSeparators(path), out.errorString());
        if (jobDialogs_.tell) {
            jobDialogs_.tell(*this, sentence);
        } else {
            QMessageBox::warning(this, tr("Save Job"), sentence);
        }
        return false;
    }
    jobPath_ = QFileInfo(path).absoluteFilePath();
    settledJob_ = job;
    rememberJob(jobPath_);
    return true;
}

bool Planner::openJob(const QString& path) {
    QFile in(path);
    QString problem;
    JobRead read;
    if (!in.open(QIODevice::ReadOnly)) {
        problem = tr("The file %1 cannot be read.").arg(QDir::toNativeSeparators(path));
    } else {
        // One byte past the largest job is enough to know a file is too large.
        const QByteArray text = in.read(static_cast<qint64>(kLargestJob) + 1);
        read = readJob(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
        if (read.problem) problem = QCoreApplication::translate("Job", read.problem);
    }
    if (!read.job) {
        if (jobDialogs_.tell) {
            jobDialogs_.tell(*this, problem);
        } else {
            QMessageBox::warning(this, tr("Open Job"), problem);
        }
        return false;
    }
    const Job& job = *read.job;
    restoreJob(model_, job);
    // The unit and lean as the job has them; the model has them already, so the buttons
    // only show them.
    for (QRadioButton* option : {inches_, millimetres_, leanToward_, leanAway_}) {
        const QSignalBlocker quiet(option);
        const bool on = option == inches_        ? job.unit == LengthUnit::Inch
                        : option == millimetres_ ? job.unit == LengthUnit::Millimetre
                        : option == leanToward_  ? job.lean == BladeLean::TowardFence
                                                 : job.lean == BladeLean::AwayFromFence;
        if (on) option->setChecked(true);
    }
    showModel();
    sawSession_.resumeAt(job.sawPass);
    jobPath_ = QFileInfo(path).absoluteFilePath();
    settledJob_ = currentJob();
    rememberJob(jobPath_);
    return true;
}

void Planner::saveJobAs() {
    QString path;
    if (jobDialogs_.saveFile) {
        path = jobDialogs_.saveFile(*this);
    } else {
        const QString start =
            jobPath_.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                               : jobPath_;
        path = QFileDialog::getSaveFileName(this, tr("Save Job"), start, filter());
    }
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QLatin1Char('.') + kSuffix;
    saveJob(path);
}

void Planner::chooseJobToOpen() {
    if (!mayCloseJob()) return;
    const QString path = jobDialogs_.openFile
                             ? jobDialogs_.openFile(*this)
                             : QFileDialog::getOpenFileName(this, tr("Open Job"),
                                                            QFileInfo(jobPath_).path(), filter());
    if (!path.isEmpty()) openJob(path);
}

bool Planner::mayCloseJob() {
    if (!jobChanged()) return true;
    const QMessageBox::StandardButton answer =
        jobDialogs_.askToSave
            ? jobDialogs_.askToSave(*this)
            : QMessageBox::question(this, tr("Save Job"),
                                    tr("The job %1 has changed. Save the changes?")
                                        .arg(QFileInfo(jobPath_).fileName()),
                                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                    QMessageBox::Save);
    switch (answer) {
        case QMessageBox::Save:
            return saveJob(jobPath_);
        case QMessageBox::Discard:
            settledJob_ = currentJob();  // let go: not asked about again until the next change
            return true;
        default:
            return false;
    }
}

void Planner::closeEvent(QCloseEvent* event) {
    if (!mayCloseJob()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

bool Planner::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Close && isVisible() &&
        !mayCloseJob()) {
        event->ignore();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace arcwright
