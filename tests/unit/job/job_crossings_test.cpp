// Answers, marks and reports that cross the job's commands: a manager that
// answers while the shell is still starting it, a responder pass that marks a
// disc after its unload was sent, and a report after "Terminate".
#include "support/main_window_fixture.h"

namespace sc::testing {
namespace {

constexpr std::uint32_t kDriveE = 1u << 4;
constexpr const char* kLine = "--caller Spoolcat: --action ";

class JobCrossingsTest : public MainWindowTest {};

// The shell pumps messages while it starts the manager: an answer that comes
// at once, with its 10 ms, is handed on before the send has returned.
TEST_F(JobCrossingsTest, AnAnswerBeforeTheSendReturnsIsTheAnswerToThatCommand) {
  StartReady();
  struct Answer {
    const char* action;
    NoticeFields notice;
  };
  const Answer answers[] = {{"--action load", {"Autoloader", "load", "OK", ""}},
                            {"--action unload", {"Autoloader", "unload", "OK", ""}}};
  bool loadedOnce = false;
  sim.shell.setHook([&](const sim::ShellCall& call) {
    const std::string line = call.parameters.value_or("");
    for (const Answer& answer : answers) {
      if (line.find(answer.action) == std::string::npos) continue;
      // The second load finds the stack empty.
      if (answer.notice.action == "load" && loadedOnce) {
        NotifyAndSettle({"Autoloader", "load", "Error", "No more discs"});
      } else {
        loadedOnce |= answer.notice.action == "load";
        NotifyAndSettle(answer.notice);
      }
    }
  });
  form->btnWMP.click();
  EXPECT_TRUE(form->btnExit.enabled());
  Volume(kDbtDeviceArrival, kDriveE);
  Volume(kDbtDeviceRemoveComplete, kDriveE);
  EXPECT_EQ(ManagerCommands(),
            (std::vector<std::string>{"--caller Spoolcat: --action Check",
                                      std::string(kLine) + "load --target E: Writer 1",
                                      std::string(kLine) + "unload --target E: Writer 1",
                                      std::string(kLine) + "load --target E: Writer 1",
                                      "--caller Spoolcat: --target E: Writer 1 --action Release"}));
  EXPECT_EQ(form->lblStatus.text(), "Job Done");
  EXPECT_TRUE(form->btnExit.enabled());
  // The job ended inside the send of its last load: the PC may sleep again.
  EXPECT_FALSE(sim.session.awake());
}

// A job that ends inside the send of its very first load: the request to keep
// the PC awake came before the send, and its release after.
TEST_F(JobCrossingsTest, AJobRefusedBeforeItsFirstSendReturnsLetsThePcSleep) {
  StartReady();
  sim.shell.setHook([&](const sim::ShellCall& call) {
    if (call.parameters.value_or("").find("--action load") != std::string::npos)
      NotifyAndSettle({"Autoloader", "load", "Error", "No more discs"});
  });
  form->btnWMP.click();
  EXPECT_EQ(form->lblStatus.text(), "Job Done");
  EXPECT_EQ(sim.session.awakeCalls(), (std::vector<bool>{true, false}));
}

// A responder pass that began before the disc's removal marks the disc, and
// may decline it, after its unload was sent. The mark belongs to that disc:
// the next one, a good disc, goes to the output.
TEST_F(JobCrossingsTest, AMarkForADiscAlreadyUnloadingNeverRejectsTheNext) {
  for (const bool declined : {true, false}) {
    SCOPED_TRACE(declined ? "declined" : "accepted");
    StartJob();
    form->ckxAlternateOutputt.setChecked(true);
    Volume(kDbtDeviceArrival, kDriveE);
    Volume(kDbtDeviceRemoveComplete, kDriveE);
    ASSERT_EQ(LastManagerCommand(), std::string(kLine) + "unload --target E: Writer 1");
    watch.UnknownDiscSeen = true;
    if (declined) {
      form->tmrUnload.setEnabled(true);
      Advance(20);
    }
    NotifyAndSettle({"Autoloader", "unload", "OK", ""});
    NotifyAndSettle({"Autoloader", "load", "OK", ""});
    Volume(kDbtDeviceArrival, kDriveE);
    Volume(kDbtDeviceRemoveComplete, kDriveE);
    EXPECT_EQ(LastManagerCommand(), std::string(kLine) + "unload --target E: Writer 1");
  }
}

// After "Terminate" a report that lists no writer sets the code of "No
// Device" but never writes that text: the line keeps what it shows.
TEST_F(JobCrossingsTest, AReportAfterTerminateNeverWritesNoDevice) {
  struct Case {
    bool jobEndedSince;
    const char* line;
  } cases[] = {{false, "Conflict with other application"}, {true, "Job Done"}};
  for (const Case& c : cases) {
    StartReady();
    NotifyAndSettle({"Autoloader", "Terminate", "", ""});
    if (c.jobEndedSince) {
      form->btnWMP.click();
      NotifyAndSettle({"Autoloader", "load", "Error", "No more discs"});
    }
    sim.registry.putDword(kUser, std::string(kRobotKey) + "\\Unit1", "Online", 0);
    NotifyAndSettle({"Autoloader", "Refresh", "", ""});
    Advance(100);
    EXPECT_EQ(form->StatusCode, 2) << c.line;
    EXPECT_EQ(form->lblStatus.text(), c.line);
    EXPECT_FALSE(form->btnWMP.enabled());
  }
}

}  // namespace
}  // namespace sc::testing
