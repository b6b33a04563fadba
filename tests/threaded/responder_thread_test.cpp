// The dialog responder's real loop on a thread of its own, beside a main
// window driven on the test's thread as its message loop would drive it. Disc
// after disc is loaded, iTunes asks its questions (or does not), the options
// change between and during the questions, declined discs are unloaded from
// the window thread once the responder's wake arrives there, and jobs end and
// start again with either player; at the end the window closes and stops the
// thread. Built with ThreadSanitizer (the tsan preset), every access of the
// two threads to the same memory that the program does not order is reported.
//
// SPOOLCAT_RESPONDER_ROUNDS sets how many discs are played (300 by default;
// the test command plays 10,000 under ThreadSanitizer), and
// SPOOLCAT_RESPONDER_SEED the seed of their choice.
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <random>
#include <sstream>
#include <string>

#include "job/status_text.h"
#include "player/player_discovery.h"
#include "support/main_window_fixture.h"
#include "threaded/itunes_questions.h"
#include "threaded/shared_desktop.h"
#include "threaded/std_threads.h"

namespace sc::testing {
namespace {

// Each job either paces the responder, a millisecond of its lasting a
// microsecond (its pause between two passes is 2 ms, inside a click 10 µs), or
// keeps it busy with no pauses at all, its passes overlapping everything the
// window thread does.
constexpr std::uint32_t kPacedMicrosecondsPerMillisecond = 1;
constexpr std::uint32_t kBusyMicrosecondsPerMillisecond = 0;
// How long the window thread waits for an answer before it calls the
// responder hung. A ThreadSanitizer pass takes well under a millisecond.
constexpr auto kPatience = std::chrono::seconds(20);
constexpr std::uint32_t kWriterE = 1u << 4;
constexpr int kWmpItem = 0;
constexpr int kITunesItem = 1;

unsigned long FromEnvironment(const char* name, unsigned long fallback) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::strtoul(value, nullptr, 10) : fallback;
}

std::string JobCommand(const char* action) {
  return std::string("--caller Spoolcat: --action ") + action + " --target E: Writer 1";
}

// One disc: the question iTunes asks about it and the options it meets.
struct Disc {
  Question question = Question::None;
  bool importUnknown = false;
  bool replaceSongs = false;
  bool alternate = false;
  // The options flip while the dialog is open: the responder may answer
  // either way, but what follows must fit its answer.
  bool optionFlips = false;
};

std::ostream& operator<<(std::ostream& out, const Disc& disc) {
  return out << NameOf(disc.question) << ", rip unidentified " << disc.importUnknown
             << ", replace songs " << disc.replaceSongs << ", reject bin " << disc.alternate
             << (disc.optionFlips ? ", the options flip" : "");
}

struct Tally {
  int answered = 0;
  int declined = 0;
  int leftAlone = 0;
  int jobs = 1;
};

class ResponderThreadTest : public MainWindowTest {
 protected:
  ResponderThreadTest()
      : random(static_cast<unsigned>(FromEnvironment("SPOOLCAT_RESPONDER_SEED", 1))) {}

  // The program as it starts, with the real responder thread on the shared
  // desktop: the manager answers "Check", and the robot is Ready.
  void StartProgram() {
    sim.registry.putString(kUser, kOwnKey, "Ripping Application", "iTunes");
    InstallManagerAndPlayers();
    PublishWriters({"E: Writer 1"});
    desktop.openWindow("TfrmMain", "Spoolcat:");
    desktop.openWindow("iTunes", "iTunes");
    desktop.openWindow(kLongClassName.c_str(), "Another program");
    const Platform simulated = sim.platform();
    form = std::make_unique<TfrmMain>(
        Platform{simulated.registry, simulated.system, simulated.files, simulated.shell, desktop,
                 threads, simulated.instance, simulated.session, simulated.taskbar,
                 simulated.launcher},
        ui, application, threaded);
    desktop.setMainWindow(form->handle());
    form->FormCreate();
    form->show();
    NotifyAndSettle({"Autoloader", "Check", "", ""});
    Advance(100);
  }

  // The wakes posted to the main window reach the form, as its message loop
  // would deliver them.
  int DeliverWakes() {
    const int wakes = desktop.takeWakes();
    for (int i = 0; i < wakes; ++i) form->OnWake();
    return wakes;
  }

  Disc RandomDisc() {
    static const Question kQuestions[] = {
        Question::UnknownDisc,       Question::UnknownDisc,  Question::UnknownDisc,
        Question::ReplaceSongs,      Question::ReplaceSongs, Question::List,
        Question::ListWithoutButton, Question::LoneButton,   Question::FourButtons,
        Question::OtherClass,        Question::None,
    };
    Disc disc;
    disc.question = kQuestions[random() % std::size(kQuestions)];
    disc.importUnknown = random() % 2 == 0;
    disc.replaceSongs = random() % 2 == 0;
    disc.alternate = random() % 2 == 0;
    disc.optionFlips = random() % 5 == 0;
    return disc;
  }

  // A load answered, the disc ripped with its question answered or left
  // alone, the disc unloaded and the next load sent. "" when everything
  // happened as it should; otherwise what did not.
  std::string PlayDisc(const Disc& disc);
  // The robot has no disc left: "Job Done", then "Ripping" with this player.
  std::string StartNextJob(int playerItem);
  // The last command line the manager was started with, looked for from the
  // end: the shell's log grows with every disc.
  std::string LastCommand() const {
    const auto& calls = sim.shell.calls();
    for (auto call = calls.rbegin(); call != calls.rend(); ++call)
      if (call->file && call->file->find("ketmgr") != std::string::npos)
        return call->parameters.value_or("<null>");
    return "";
  }
  // Both options the responder reads, flipped from code while it may be
  // reading them (the boxes are disabled during a job, but the copies the
  // responder reads follow them).
  void FlipOptions() {
    form->ckxRippingNoneCDB.setChecked(!form->ckxRippingNoneCDB.checked());
    form->ckxReplaceExitFile.setChecked(!form->ckxReplaceExitFile.checked());
  }

  const std::string kLongClassName = std::string(255, 'W');
  SharedDesktop desktop;
  StdThreads threads{kPacedMicrosecondsPerMillisecond};
  DialogWatcherContext threaded{desktop, sim.system, threads, watch, options};
  std::mt19937 random;
  Tally tally;
};

std::string ResponderThreadTest::PlayDisc(const Disc& disc) {
  form->ckxRippingNoneCDB.setChecked(disc.importUnknown);
  form->ckxReplaceExitFile.setChecked(disc.replaceSongs);
  form->ckxAlternateOutputt.setChecked(disc.alternate);
  NotifyAndSettle({"Autoloader", "load", "OK", ""});
  Volume(kDbtDeviceArrival, kWriterE);
  if (!watch.WatchActive) return "the load answer did not arm the responder";

  const bool iTunes = form->RadioGroup1.itemIndex() == kITunesItem;
  const AskedQuestion asked = Ask(desktop, disc.question, random);
  const std::uint64_t sleepsAtQuestion = threads.sleepsOfThreads();
  const auto before = ExpectedButton(disc.question, disc.importUnknown, disc.replaceSongs);
  const auto flipped = ExpectedButton(disc.question, disc.importUnknown != disc.optionFlips,
                                      disc.replaceSongs != disc.optionFlips);
  const bool answerDue = iTunes && before.has_value();

  // The window thread's message loop while iTunes asks: wakes, timers,
  // and time for the responder's thread.
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  int wakes = 0;
  bool flippedYet = false;
  std::optional<std::size_t> clicked;
  for (;;) {
    wakes += DeliverWakes();
    int clicks = 0;
    for (std::size_t i = 0; i < asked.buttons.size(); ++i) {
      if (desktop.clicks(asked.buttons[i]) == 0) continue;
      clicked = i;
      clicks += desktop.clicks(asked.buttons[i]);
    }
    if (clicks > 1) return "more than one click on the dialog";
    const bool declined = disc.question == Question::UnknownDisc && clicked == 1u;
    // Looked at relaxed: the window thread of the program never reads the
    // flag, and the test must not order what the program leaves unordered.
    const bool disarmed = !watch.WatchActive.load(std::memory_order_relaxed);
    if (answerDue ? clicked && disarmed && (!declined || wakes > 0)
                  : threads.sleepsOfThreads() >= sleepsAtQuestion + 2)
      break;
    if (disc.optionFlips && !flippedYet && threads.sleepsOfThreads() > sleepsAtQuestion) {
      FlipOptions();
      flippedYet = true;
    }
    if (std::chrono::steady_clock::now() > deadline) return "no answer: the responder hangs";
    Advance(1);
    std::this_thread::yield();
  }

  const bool declined = disc.question == Question::UnknownDisc && clicked == 1u;
  if (answerDue) {
    if (clicked != before && clicked != flipped) return "the wrong button was clicked";
    ++tally.answered;
    if (declined) ++tally.declined;
  } else {
    for (WindowHandle control : asked.dialog.controls)
      if (desktop.mouseDowns(control) != 0) return "a dialog to leave alone was clicked";
    ++tally.leftAlone;
  }
  if (wakes != (declined ? 1 : 0)) return "wakes: " + std::to_string(wakes);
  if (declined != form->tmrUnload.enabled()) return "the unload timer does not follow the wake";

  desktop.closeWindow(asked.dialog.window);
  const auto shellCalls = sim.shell.calls().size();
  if (declined) {
    Advance(20);
  } else {
    Volume(kDbtDeviceRemoveComplete, kWriterE);
  }
  // The unidentified disc goes to the reject bin when the user asked for it,
  // whether it was declined or ripped.
  const bool unidentified = answerDue && disc.question == Question::UnknownDisc;
  const char* action = disc.alternate && unidentified ? "reject" : "unload";
  if (sim.shell.calls().size() != shellCalls + 1 || LastCommand() != JobCommand(action))
    return "expected " + JobCommand(action) + ", the last command is " + LastCommand();
  NotifyAndSettle({"Autoloader", action, "OK", ""});
  if (LastCommand() != JobCommand("load")) return "no next load";
  if (DeliverWakes() != 0) return "a wake after the unload";
  return "";
}

std::string ResponderThreadTest::StartNextJob(int playerItem) {
  NotifyAndSettle({"Autoloader", "load", "Error", "Empty"});
  if (form->StatusCode != kStatusJobDone) return "no Job Done";
  if (LastCommand().find("--action Release") == std::string::npos) return "no Release";
  threads.setMicrosecondsPerMillisecond(random() % 2 == 0 ? kPacedMicrosecondsPerMillisecond
                                                          : kBusyMicrosecondsPerMillisecond);
  form->RadioGroup1.clickItem(playerItem);
  if (watch.WatchITunes != (playerItem == kITunesItem)) return "WatchITunes not the player's";
  form->btnWMP.click();
  if (LastCommand() != JobCommand("load")) return "no load for the new job";
  ++tally.jobs;
  return "";
}

TEST_F(ResponderThreadTest, JobsRunWhileTheResponderAnswersOnItsOwnThread) {
  const unsigned long rounds = FromEnvironment("SPOOLCAT_RESPONDER_ROUNDS", 300);
  const auto started = std::chrono::steady_clock::now();
  StartProgram();
  ASSERT_EQ(form->StatusCode, kStatusReady);
  form->btnWMP.click();
  ASSERT_EQ(LastCommand(), JobCommand("load"));

  for (unsigned long round = 0; round < rounds; ++round) {
    const Disc disc = RandomDisc();
    const std::string fault = PlayDisc(disc);
    ASSERT_EQ(fault, "") << "disc " << round << " (" << disc << ")";
    if (random() % 25 == 0) {
      const int player = random() % 5 == 0 ? kWmpItem : kITunesItem;
      ASSERT_EQ(StartNextJob(player), "") << "after disc " << round;
    }
  }

  // The robot runs out of discs; "Exit" closes the window, which stops the
  // thread, closes the player and saves the settings.
  NotifyAndSettle({"Autoloader", "load", "Error", "Empty"});
  ASSERT_TRUE(form->close());
  const std::vector<ThreadHandle> created = threads.created();
  ASSERT_EQ(created.size(), 1u);
  std::uint32_t code = 0;
  ASSERT_TRUE(threads.exitCode(created[0], &code));
  EXPECT_EQ(code, kStillActive) << "terminated with the code it had";
  const std::uint64_t sleeps = threads.sleepsOfThreads();
  std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_EQ(threads.sleepsOfThreads(), sleeps) << "the thread still runs";

  const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now() - started);
  std::cout << rounds << " discs in " << tally.jobs << " jobs: " << tally.answered
            << " questions answered (" << tally.declined << " discs declined), " << tally.leftAlone
            << " left alone; " << elapsed.count() << " ms\n";
  if (rounds >= 100) {
    EXPECT_GT(tally.declined, 0);
    EXPECT_GT(tally.leftAlone, 0);
  }
}

}  // namespace
}  // namespace sc::testing
