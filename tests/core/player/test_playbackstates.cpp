// The two players in step as a state machine: scripted players, a clock moved by hand, no
// widgets.
#include "ManualScheduler.h"
#include "ScriptedVideoPlayer.h"
#include "core/catalogue/MediaList.h"
#include "core/player/PlayInfo.h"
#include "core/player/Playback.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

using State = Playback::State;

const QStringList kTwoPairs{"alwa_20240131_120000_F.avi", "alwa_20240131_120000_R.avi",
                            "alwa_20240131_120100_F.avi", "alwa_20240131_120100_R.avi"};
const QString kOne = "alwa_20240131_120000_F.avi";

QString cardPath(const QString &name)
{
    return QStringLiteral("/card/DCIM/") + name;
}

struct Rig
{
    MediaList list;
    ScriptedVideoPlayer p1, p2;
    std::shared_ptr<ManualScheduler> clock = std::make_shared<ManualScheduler>();
    // The telemetry is read at once and handed back when the clock next moves.
    Playback playback{&list, &p1, &p2, clock,
                      [clock = clock](QObject *context, auto job, auto done) {
                          clock->runAfter(0, context, [done, result = job()] { done(result); });
                      }};
    std::shared_ptr<QStringList> extracted = std::make_shared<QStringList>();

    explicit Rig(const QStringList &names)
    {
        for (const QString &name : names)
            list.addMedia(MediaFile(cardPath(name)));
        playback.setExtractor([seen = extracted](const QString &path) {
            seen->append(path); // one start at a time: never two extractions at once
            return RecordedTelemetry::empty();
        });
    }
    bool start(qint64 row) { return playback.playAtIndex(row) && playing(); }
    // The start completes and the first picture is reported.
    bool playing()
    {
        clock->advance(0);
        p1.tick(0);
        return playback.state() == State::Playing;
    }
    QStringList files() const
    {
        return {QFileInfo(p1.media()).fileName(), QFileInfo(p2.media()).fileName()};
    }
    void runToEnd()
    {
        for (int i = 0; i < 1000 && !p1.ended(); ++i) {
            p2.tick(100);
            p1.tick(100);
        }
        clock->advance(0);
    }
};

} // namespace

class TestPlaybackStates : public QObject
{
    Q_OBJECT
private slots:
    void init() { ScriptedVideoPlayer::pathsWithSound.clear(); }

    void playAtIndexClampsAndRefusesWhileStarting()
    {
        Rig empty({});
        QVERIFY(!empty.playback.playAtIndex(0));
        QCOMPARE(empty.playback.state(), State::Idle);

        Rig r(kTwoPairs);
        QVERIFY(r.playback.playAtIndex(-5));
        QCOMPARE(r.playback.mediaIndex(), 0);
        QCOMPARE(r.playback.state(), State::ExtractingTelemetry);
        QVERIFY(!r.playback.playAtIndex(2)); // the first start has not completed
        QVERIFY(r.playing());
        QVERIFY(r.start(99));
        QCOMPARE(r.playback.mediaIndex(), 3);
        QCOMPARE(r.files().first(), kTwoPairs[3]);
    }

    void endAdvancesPastTheRearPartnerAndStopsAtTheLastRow()
    {
        Rig r(kTwoPairs);
        QSignalSpy states(&r.playback, &Playback::stateChanged);
        QVERIFY(r.start(0));
        QCOMPARE(r.files(), kTwoPairs.mid(0, 2));
        QVERIFY(r.playback.hasRearMedia());
        r.runToEnd();
        QCOMPARE(r.playback.state(), State::AtEnd);
        r.clock->advance(1000); // the end watch sees it
        QCOMPARE(r.playback.state(), State::Advancing);
        r.clock->advance(1000);
        QCOMPARE(r.playback.mediaIndex(), 2);
        QVERIFY(r.playing());
        QCOMPARE(r.files(), kTwoPairs.mid(2, 2));
        QCOMPARE(states.first().first().value<State>(), State::ExtractingTelemetry);

        r.runToEnd();
        r.clock->advance(3000);
        QCOMPARE(r.playback.mediaIndex(), 2);
        QCOMPARE(r.playback.state(), State::AtEnd);
        QVERIFY(r.p1.ended());
    }

    // The watch can look twice while an advance waits; the second must not advance later,
    // over a recording the user has started since.
    void oneAdvancePerEnd()
    {
        Rig r(kTwoPairs);
        QVERIFY(r.start(0));
        r.runToEnd();
        r.clock->advance(1000);
        QCOMPARE(r.playback.state(), State::Advancing);
        emit r.p1.timeChanged(); // a last report of the time at the end
        r.clock->advance(1000);
        QVERIFY(r.playing());
        QCOMPARE(r.playback.mediaIndex(), 2);
        QVERIFY(r.start(0));
        r.clock->advance(3000);
        QCOMPARE(r.playback.mediaIndex(), 0);
        QCOMPARE(r.playback.state(), State::Playing);
    }

    // The user goes back into the recording while its end waits to advance: it stays.
    void goingBackCancelsTheAdvance_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("seek back") << "seek";
        QTest::newRow("slider back, then play") << "resume";
    }

    void goingBackCancelsTheAdvance()
    {
        QFETCH(QString, action);
        Rig r(kTwoPairs);
        QVERIFY(r.start(0));
        r.runToEnd();
        r.clock->advance(1000);
        QCOMPARE(r.playback.state(), State::Advancing);
        if (action == "seek") {
            r.playback.seekTo(0.5);
            QCOMPARE(r.playback.state(), State::Seeking);
        } else {
            r.playback.setShownPosition(0.5);
            r.playback.togglePause();
        }
        r.clock->advance(3000);
        QCOMPARE(r.playback.mediaIndex(), 0);
        QCOMPARE(r.playback.state(), State::Playing);
        QCOMPARE(r.p1.time(), 30000);
    }

    // A swap waits for a seek to settle; the seek would otherwise move the exchanged players.
    void swapWaitsForTheSeek()
    {
        Rig r(kTwoPairs);
        QVERIFY(r.start(0));
        QSignalSpy swaps(&r.playback, &Playback::swapStarted);
        r.playback.seekTo(0.5);
        r.playback.swapViews();
        QCOMPARE(swaps.count(), 0);
        r.clock->advance(300);
        QCOMPARE(r.playback.state(), State::Playing);
        r.playback.swapViews();
        QCOMPARE(swaps.count(), 1);
        r.clock->advance(1700);
        QCOMPARE(r.playback.state(), State::Playing);
        QCOMPARE(r.files(), QStringList({kTwoPairs[1], kTwoPairs[0]}));
        QCOMPARE(r.p1.time(), 30000);
        QCOMPARE(r.p2.time(), 30000);
    }

    void telemetryComesFromTheFrontRecording_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("extracted");
        QTest::newRow("rear with its front partner")
            << kTwoPairs << QStringList{kTwoPairs[1], kTwoPairs[0]} << cardPath(kTwoPairs[0]);
        QTest::newRow("rear alone: no telemetry")
            << QStringList{kTwoPairs[1], kTwoPairs[2]} << QStringList{kTwoPairs[1], ""} << "";
    }

    void telemetryComesFromTheFrontRecording()
    {
        QFETCH(QStringList, names);
        Rig r(names);
        QSignalSpy sides(&r.playback, &Playback::sidesChanged);
        QSignalSpy partner(&r.playback, &Playback::partnerChanged);
        QVERIFY(r.start(names.indexOf(kTwoPairs[1])));
        QTEST(r.files(), "files");
        QFETCH(QString, extracted);
        QCOMPARE(*r.extracted, QStringList{extracted});
        QVERIFY(sides.last().first().toBool()); // the rear camera in the main view
        QCOMPARE(partner.last().first().toBool(), r.p2.hasMedia());
        QCOMPARE(r.playback.hasRearMedia(), r.p2.hasMedia());
    }

    void telemetryWaitsForTheFirstPictures_data()
    {
        QTest::addColumn<bool>("pictures");
        QTest::addColumn<int>("after"); // milliseconds of the clock before it is handed out
        QTest::newRow("pictures shown") << true << 0;
        QTest::newRow("no picture: the first second") << false << 1000;
    }

    void telemetryWaitsForTheFirstPictures()
    {
        QFETCH(bool, pictures);
        QFETCH(int, after);
        Rig r(kTwoPairs);
        QSignalSpy telemetry(&r.playback, &Playback::telemetryPublished);
        QSignalSpy shown(&r.playback, &Playback::startShown);
        QVERIFY(r.start(0));
        QCOMPARE(telemetry.count(), 0);
        QVERIFY(r.playback.telemetry()); // the readouts have it at once
        r.clock->advance(after - 1);
        if (pictures)
            r.playback.picturesShown();
        else
            QCOMPARE(telemetry.count(), 0);
        r.clock->advance(1);
        QCOMPARE(telemetry.count(), 1);
        QCOMPARE(shown.count(), 1);
        QCOMPARE(shown.first().first().toLongLong(), 0);
        r.playback.picturesShown(); // once a start
        r.clock->advance(2000);
        QCOMPARE(telemetry.count(), 1);

        r.playback.stop(); // a start stopped before its pictures hands out nothing
        QVERIFY(r.playback.playAtIndex(2));
        r.clock->advance(0);
        r.playback.stop();
        r.playback.picturesShown();
        QCOMPARE(shown.count(), 1);
    }

    void swapTwiceWithinTheAnimationSwapsOnceAndSoundFollowsTheCamera()
    {
        Rig r(kTwoPairs);
        ScriptedVideoPlayer::pathsWithSound = {cardPath(kTwoPairs[0]), cardPath(kTwoPairs[1])};
        QVERIFY(r.start(1)); // rear in the main view
        r.p1.tick(100);
        QCOMPARE(r.playback.playInfo()->audioMediaDirection(), int(MediaFile::Rear));
        r.playback.hearRearCamera(true);
        QVERIFY(!r.p1.isMuted() && r.p2.isMuted());

        QSignalSpy swaps(&r.playback, &Playback::swapStarted);
        r.playback.swapViews();
        r.clock->advance(50);
        r.playback.swapViews();
        QCOMPARE(swaps.count(), 1);
        QCOMPARE(r.files(), QStringList({kTwoPairs[0], kTwoPairs[1]}));
        QVERIFY(r.p1.isMuted() && r.p2.isMuted());
        r.clock->advance(800);
        QVERIFY(!r.playback.isMoving() && r.playback.isSwapping());
        r.clock->advance(900);
        QVERIFY(!r.playback.isSwapping());
        QVERIFY(r.p1.isMuted() && !r.p2.isMuted()); // the rear camera, now in the small view
        QCOMPARE(r.p2.volume(), 70);
    }

    void playAtTheEnd_data()
    {
        QTest::addColumn<double>("slider");
        QTest::newRow("slider at the end restarts") << 1.0;
        QTest::newRow("slider moved back resumes there") << 0.5;
    }

    void playAtTheEnd()
    {
        QFETCH(double, slider);
        Rig r({kOne});
        QVERIFY(r.start(0));
        r.runToEnd();
        QCOMPARE(r.playback.playInfo()->position(), 1.0);
        QVERIFY(!r.playback.playInfo()->isPlaying());
        r.playback.setShownPosition(slider);
        r.playback.togglePause();
        if (slider == 1.0) {
            QCOMPARE(r.playback.state(), State::ExtractingTelemetry);
            QVERIFY(r.playing());
            QCOMPARE(r.p1.time(), 0);
            QCOMPARE(r.extracted->size(), 2); // the telemetry is read again
        } else {
            r.clock->advance(100);
            QVERIFY(r.p1.isPlaying());
            QCOMPARE(r.p1.time(), 30000);
        }
    }

    void jumps_data()
    {
        QTest::addColumn<bool>("forward");
        QTest::addColumn<qint64>("at");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("forward with 9 s left goes to the end") << true << 51000LL << 60000LL;
        QTest::newRow("forward with 20 s left jumps 10 s") << true << 40000LL << 50000LL;
        QTest::newRow("back at 8 s goes to the start") << false << 8000LL << 0LL;
        QTest::newRow("back at 30 s jumps 10 s") << false << 30000LL << 20000LL;
    }

    void jumps()
    {
        QFETCH(bool, forward);
        QFETCH(qint64, at);
        Rig r(kTwoPairs);
        QVERIFY(r.start(0));
        r.p1.setTime(at);
        r.p2.setTime(at);
        forward ? r.playback.jumpForward() : r.playback.jumpBackward();
        QTEST(r.p1.time(), "expected");
        r.clock->advance(300); // the partner follows
        QTEST(r.p2.time(), "expected");
        QVERIFY(!r.playback.isMoving());
    }

    void volumeAndSpeedSteps()
    {
        Rig r({kOne});
        Playback &p = r.playback;
        QCOMPARE(p.volume(), 70);
        p.setVolume(195);
        p.stepVolume(1);
        QCOMPARE(p.volume(), 200);
        p.setVolume(5);
        p.stepVolume(-1);
        QCOMPARE(p.volume(), 0);
        p.setVolume(-20);
        QCOMPARE(p.volume(), 0);

        QVERIFY(r.start(0));
        p.changeSpeed(1);
        p.changeSpeed(1);
        QCOMPARE(p.playInfo()->speed(), 2.0);
        QCOMPARE(r.p1.rate(), 2.0f);
        p.changeSpeed(-1);
        p.changeSpeed(-1);
        QCOMPARE(p.playInfo()->speed(), 1.0);
        QCOMPARE(r.p1.rate(), 1.0f);
    }

    void automaticSoundChoice_data()
    {
        QTest::addColumn<int>("withSound");
        QTest::addColumn<int>("direction");
        QTest::newRow("only the main recording") << 0 << 0;
        QTest::newRow("only the partner") << 1 << 1;
        QTest::newRow("neither") << -1 << 2;
    }

    void automaticSoundChoice()
    {
        QFETCH(int, withSound);
        Rig r(kTwoPairs);
        if (withSound >= 0)
            ScriptedVideoPlayer::pathsWithSound = {cardPath(kTwoPairs[withSound])};
        QSignalSpy choice(&r.playback, &Playback::soundChoiceChanged);
        QVERIFY(r.start(0));
        r.p1.tick(100);
        QTEST(r.playback.playInfo()->audioMediaDirection(), "direction");
        QCOMPARE(choice.last().first().toBool(), withSound >= 0);
        if (withSound < 0)
            QVERIFY(r.p1.isMuted() && r.p2.isMuted());
    }

    // After every seek, paused or playing, the time, slider and position shown are the
    // picture's; the last value of a fast drag is where both players end.
    void seekShowsWhereThePictureIs_data()
    {
        QTest::addColumn<bool>("paused");
        QTest::addColumn<QString>("action");
        QTest::addColumn<qint64>("expected");
        for (const bool paused : {true, false}) {
            const char *how = paused ? "paused: " : "playing: ";
            QTest::addRow("%sslider", how) << paused << "slider" << 15000LL;
            QTest::addRow("%sfast drag", how) << paused << "drag" << 45000LL;
            QTest::addRow("%sjump forward", how) << paused << "forward" << 40000LL;
            QTest::addRow("%sjump backward", how) << paused << "backward" << 20000LL;
            QTest::addRow("%sjump back to the start", how) << paused << "start" << 0LL;
        }
    }

    void seekShowsWhereThePictureIs()
    {
        QFETCH(bool, paused);
        QFETCH(QString, action);
        QFETCH(qint64, expected);
        Rig r(kTwoPairs);
        QVERIFY(r.start(0));
        r.p1.setTime(action == "start" ? 5000 : 30000);
        r.p2.setTime(r.p1.time());
        if (paused) {
            r.playback.togglePause();
            r.clock->advance(0);
            QCOMPARE(r.playback.state(), State::Paused);
        }
        QSignalSpy times(&r.playback, &Playback::timeChanged);
        Playback &p = r.playback;
        if (action == "slider") {
            p.seekTo(0.25);
        } else if (action == "drag") {
            for (const double value : {0.25, 0.4, 0.6, 0.75})
                p.seekTo(value);
        } else {
            action == "forward" ? p.jumpForward() : p.jumpBackward();
        }
        QVERIFY(!times.isEmpty());
        QCOMPARE(times.last(), QVariantList({expected, expected - 60000}));
        r.clock->advance(1000);
        QVERIFY(!p.isMoving());
        QCOMPARE(r.p1.time(), expected);
        QCOMPARE(r.p2.time(), expected);
        QCOMPARE(p.playInfo()->position(), double(expected) / 60000);
        QCOMPARE(p.shownPosition(), double(expected) / 60000);
        QCOMPARE(times.last(), QVariantList({expected, expected - 60000}));
    }

    void swapKeepsTheTimeShownAndMeasuresTheOtherPicture()
    {
        Rig r(kTwoPairs);
        QVERIFY(r.start(0));
        r.playback.setVideoAreaHeight(720);
        QCOMPARE(r.playback.playInfo()->scale(), 1.0);
        r.p1.setTime(30000);
        r.p2.setTime(30000);
        QSignalSpy times(&r.playback, &Playback::timeChanged);
        r.playback.swapViews();
        for (int i = 0; i < 17; ++i) { // the exchanged players start from 0 meanwhile
            r.p2.tick(100);
            r.p1.tick(100);
            r.clock->advance(100);
        }
        QVERIFY(!times.isEmpty());
        for (const QVariantList &shown : times)
            QVERIFY2(shown.first().toLongLong() >= 30000, qPrintable(shown.first().toString()));
        QCOMPARE(r.p1.time(), 30900);
        QCOMPARE(r.playback.playInfo()->scale(), 2.0); // the rear camera's smaller picture
    }

    // A broken recording gets the alert and stops the advance; a short whole one does not.
    void brokenRecordingFails_data()
    {
        QTest::addColumn<qint64>("length");
        QTest::addColumn<qint64>("endsAt");
        QTest::addColumn<bool>("jumpToEnd");
        QTest::addColumn<bool>("broken");
        QTest::newRow("unknown length, ends at once") << 0LL << 300LL << false << true;
        QTest::newRow("ends at once short of its length") << 60000LL << 300LL << false << true;
        QTest::newRow("short recording played whole") << 800LL << -1LL << false << false;
        QTest::newRow("the user jumps to the end at once") << 60000LL << -1LL << true << false;
    }

    void brokenRecordingFails()
    {
        QFETCH(qint64, length);
        QFETCH(qint64, endsAt);
        QFETCH(bool, broken);
        Rig r({kOne, "alwa_20240131_120100_F.avi"});
        r.p1.lengthMs = length;
        r.p1.endsAt = endsAt;
        QSignalSpy failed(&r.playback, &Playback::playStartFailed);
        QVERIFY(r.start(0));
        r.p1.tick(100);
        QFETCH(bool, jumpToEnd);
        if (jumpToEnd)
            r.playback.seekTo(1.0);
        for (int i = 0; i < 10 && !r.p1.ended(); ++i) {
            r.p1.tick(100);
            r.clock->advance(100);
        }
        r.clock->advance(3000); // the end watch would have moved on by now
        QCOMPARE(r.playback.state() == State::Failed, broken);
        QCOMPARE(failed.count(), broken ? 1 : 0);
        // Nothing of a recording that could not be played stays on the slider.
        if (broken)
            QCOMPARE(r.playback.shownPosition(), 0.0);
        if (broken)
            QCOMPARE(failed.first().first().toString(), cardPath(kOne));
        QCOMPARE(r.playback.mediaIndex(), broken ? 0 : 1);
    }

    void recordingWithoutPicture_data()
    {
        QTest::addColumn<bool>("noVideo");
        QTest::newRow("sound only") << true;
        QTest::newRow("picture and sound") << false;
    }

    void recordingWithoutPicture()
    {
        QFETCH(bool, noVideo);
        Rig r({kOne});
        r.p1.noVideo = noVideo;
        QSignalSpy noPicture(&r.playback, &Playback::noPicture);
        QVERIFY(r.start(0));
        for (int i = 0; i < 12; ++i) {
            r.p1.tick(100);
            r.clock->advance(100);
        }
        QCOMPARE(noPicture.count(), noVideo ? 1 : 0);
    }

    // A recording cut before its index has no length, yet plays: it is no broken one.
    void recordingWithoutLengthThatPlaysOn()
    {
        Rig r({kOne, "alwa_20240131_120100_F.avi"});
        r.p1.lengthMs = 0;
        QSignalSpy failed(&r.playback, &Playback::playStartFailed);
        QVERIFY(r.start(0));
        for (int i = 0; i < 30; ++i) {
            r.p1.tick(100);
            r.clock->advance(100);
        }
        QCOMPARE(failed.count(), 0);
        QVERIFY(r.playback.state() != State::Failed);
    }

    // Paused on a moment, a swap shows it from the other camera and stays paused there.
    void swapWhilePaused()
    {
        Rig r(kTwoPairs);
        QVERIFY(r.start(0));
        r.p1.setTime(20000);
        r.p2.setTime(20000);
        r.playback.togglePause();
        r.clock->advance(0);
        QCOMPARE(r.playback.state(), State::Paused);
        r.playback.swapViews();
        r.clock->advance(1700);
        QCoreApplication::processEvents();
        QCOMPARE(r.files(),
                 QStringList({"alwa_20240131_120000_R.avi", "alwa_20240131_120000_F.avi"}));
        QCOMPARE(r.p1.state(), VideoPlayer::Paused);
        QCOMPARE(r.p2.state(), VideoPlayer::Paused);
        QCOMPARE(r.p1.time(), 20000);
        QCOMPARE(r.p2.time(), 20000);
    }

    // The front recording was cut by a crash and its player knows no length; the rear one is
    // whole. Both stay under the user's hand and in step.
    void cutRecordingStaysControllable_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("playing"); // what the play button shows afterwards
        QTest::addColumn<qint64>("time");  // of both players, once settled
        QTest::newRow("plays") << "" << true << 3000LL;
        QTest::newRow("pause") << "pause" << false << 3000LL;
        QTest::newRow("jump forward") << "forward" << true << 13000LL;
        QTest::newRow("jump back") << "back" << true << 0LL;
        QTest::newRow("resume after the rear drifted") << "resume" << true << 3000LL;
    }

    void cutRecordingStaysControllable()
    {
        QFETCH(QString, action);
        Rig r(kTwoPairs);
        r.p1.lengthMs = 0;
        QVERIFY(r.start(0));
        for (int i = 0; i < 30; ++i) {
            r.p1.tick(100);
            r.p2.tick(100);
            r.clock->advance(100);
        }
        if (action == "pause" || action == "resume") {
            r.playback.togglePause();
            r.clock->advance(0);
            QCOMPARE(r.playback.state(), State::Paused);
        }
        if (action == "resume") {
            r.p2.setTime(1500); // the rear decoder stopped elsewhere
            r.playback.togglePause();
            r.clock->advance(0);
            QVERIFY(r.p1.isPlaying());
        }
        if (action == "forward")
            r.playback.jumpForward();
        if (action == "back")
            r.playback.jumpBackward();
        r.clock->advance(300);
        r.p1.tick(0); // the next report of a playing player
        QCoreApplication::processEvents();
        QTEST(r.playback.playInfo()->isPlaying(), "playing");
        QTEST(r.p1.time(), "time");
        QTEST(r.p2.time(), "time");
    }

    // A minute's recording whose last frame starts just short of the minute.
    void elapsedAndRemainingAddUpToTheLength_data()
    {
        QTest::addColumn<qint64>("at");
        QTest::addColumn<QString>("shown"); // elapsed, remaining
        QTest::newRow("start") << 0LL << "00:00 -01:00";
        QTest::newRow("within a second") << 10500LL << "00:10 -00:50";
        QTest::newRow("last second") << 59100LL << "00:59 -00:01";
    }

    void elapsedAndRemainingAddUpToTheLength()
    {
        QFETCH(qint64, at);
        Rig r({kOne});
        r.p1.lengthMs = 59967;
        QSignalSpy times(&r.playback, &Playback::timeChanged);
        QVERIFY(r.start(0));
        if (at > 0) {
            r.p1.setTime(at - 100);
            r.p1.tick(100);
        }
        QVERIFY(!times.isEmpty());
        const QList<QVariant> last = times.last();
        QTEST(timeString(last.at(0).toLongLong()) + ' ' + timeString(last.at(1).toLongLong()),
              "shown");
    }

    void playWithNothingLoadedStartsTheSelectedRow()
    {
        Rig r(kTwoPairs);
        r.playback.playOrStartSelected(-1);
        QCOMPARE(r.playback.state(), State::Idle);
        r.playback.playOrStartSelected(2);
        QVERIFY(r.playing());
        QCOMPARE(r.playback.mediaIndex(), 2);
        r.p1.tick(100);
        r.playback.playOrStartSelected(0); // loaded: it pauses
        r.clock->advance(0);
        QCOMPARE(r.playback.state(), State::Paused);
    }

    void anotherFolderClearsWhatIsShown()
    {
        Rig r(kTwoPairs);
        QVERIFY(r.start(0));
        r.playback.seekTo(0.5);
        QSignalSpy telemetry(&r.playback, &Playback::telemetryPublished);
        QSignalSpy times(&r.playback, &Playback::timeChanged);
        QSignalSpy partner(&r.playback, &Playback::partnerChanged);
        r.playback.stopAndClear();
        QCOMPARE(r.playback.state(), State::Idle);
        QCOMPARE(r.playback.mediaIndex(), -1);
        QCOMPARE(telemetry.count(), 1);
        QVERIFY(telemetry.first().first().value<RecordedTelemetryPtr>()->m_GSensors.isEmpty());
        QCOMPARE(times.last(), QVariantList({0LL, 0LL}));
        QCOMPARE(partner.last().first().toBool(), false);
        QCOMPARE(r.playback.shownPosition(), 0.0);
        QCOMPARE(r.playback.playInfo()->scale(), 0.0);
    }

    void startThatNeverPlaysFails_data()
    {
        QTest::addColumn<bool>("error");
        QTest::newRow("error state") << true;
        QTest::newRow("loading display runs out") << false;
    }

    void startThatNeverPlaysFails()
    {
        QFETCH(bool, error);
        Rig r({kOne, "alwa_20240131_120100_F.avi"});
        QSignalSpy failed(&r.playback, &Playback::playStartFailed);
        r.p1.neverStarts = true;
        QVERIFY(r.playback.playAtIndex(0));
        r.clock->advance(0);
        QCOMPARE(r.playback.state(), State::Starting);
        if (error) {
            r.p1.fail();
            r.clock->advance(0);
        } else {
            r.playback.abandonStart();
        }
        QCOMPARE(r.playback.state(), State::Failed);
        QCOMPARE(failed.count(), 1);
        QCOMPARE(failed.first().first().toString(), cardPath(kOne));
        r.p1.neverStarts = false; // the list is not locked: another row plays
        QVERIFY(r.start(1));
    }

    void stopWhileExtractingDropsTheStart()
    {
        Rig r(kTwoPairs);
        QVERIFY(r.playback.playAtIndex(0));
        r.playback.stop();
        QCOMPARE(r.playback.state(), State::Idle);
        r.clock->advance(0);
        QVERIFY(!r.p1.hasMedia()); // the extraction's result did not start anything
        QCOMPARE(r.playback.state(), State::Idle);
    }
};

QTEST_GUILESS_MAIN(TestPlaybackStates)
#include "test_playbackstates.moc"
