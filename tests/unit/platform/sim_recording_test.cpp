// Recording in the shell, desktop and thread sims, which tests of the program
// read to see what it asked of Windows.
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/sim/sim_platform.h"

namespace sc::sim {
namespace {

TEST(SimShellRecording, KeepsAllSixArgumentsAndNullApartFromEmpty) {
  SimShell shell;
  shell.execute(0x10, "open", "C:\\Robot\\ketmgr.exe", "/status", "", kSwHide);
  shell.execute(0, nullptr, "notes.txt", nullptr, nullptr, kSwShow);
  ASSERT_EQ(2u, shell.calls().size());
  const ShellCall& first = shell.calls()[0];
  EXPECT_EQ(0x10u, first.owner);
  EXPECT_EQ("open", first.operation);
  EXPECT_EQ("C:\\Robot\\ketmgr.exe", first.file);
  EXPECT_EQ("/status", first.parameters);
  EXPECT_EQ("", first.directory);
  EXPECT_EQ(kSwHide, first.showCommand);
  const ShellCall& second = shell.calls()[1];
  EXPECT_FALSE(second.operation.has_value());
  EXPECT_FALSE(second.parameters.has_value());
  EXPECT_FALSE(second.directory.has_value());
}

TEST(SimShellRecording, HookSeesTheWorldAtTheMomentOfTheCall) {
  SimPlatform sim;
  sim.files.addFile("C:\\Robot\\ketmgr.exe");
  std::vector<std::size_t> windowsAtCall;
  sim.shell.setHook([&](const ShellCall&) {
    windowsAtCall.push_back(sim.desktop.findWindowByTitle("Robot") != 0);
    sim.desktop.addWindow("Robot");
  });
  EXPECT_GT(sim.shell.execute(0, "open", "C:\\Robot\\ketmgr.exe", nullptr, nullptr, kSwHide), 32);
  sim.shell.execute(0, "open", "C:\\Robot\\ketmgr.exe", nullptr, nullptr, kSwHide);
  EXPECT_EQ((std::vector<std::size_t>{0, 1}), windowsAtCall);
}

TEST(SimShellRecording, ResultComesFromFailuresThenFilesThenSetting) {
  SimPlatform sim;
  sim.files.addFile("C:\\Robot\\ketmgr.exe");
  sim.shell.setResult(33);
  sim.shell.failures().once("execute", 31, "C:\\Robot\\ketmgr.exe");
  EXPECT_EQ(31, sim.shell.execute(0, "open", "C:\\Robot\\ketmgr.exe", nullptr, nullptr, 0));
  EXPECT_EQ(33, sim.shell.execute(0, "open", "C:\\Robot\\ketmgr.exe", nullptr, nullptr, 0));
  EXPECT_EQ(2, sim.shell.execute(0, "open", "C:\\Robot\\gone.exe", nullptr, nullptr, 0));
  // A bare name is looked up on the search path, which the sim does not model.
  EXPECT_EQ(33, sim.shell.execute(0, "open", "gone.exe", nullptr, nullptr, 0));
  EXPECT_EQ(4u, sim.shell.calls().size());
}

TEST(SimDesktopRecording, RecordsEveryCloseWithItsWaitAndHonoursStubbornWindows) {
  SimDesktop desktop;
  const WindowHandle player = desktop.addWindow("iTunes");
  const WindowHandle stubborn =
      desktop.addWindow("Windows Media Player", SimDesktop::OnClose::Stays);
  EXPECT_TRUE(desktop.sendClose(stubborn, 100));
  EXPECT_TRUE(desktop.sendClose(player, 200));
  EXPECT_FALSE(desktop.sendClose(player, 300));
  EXPECT_EQ((std::vector<WindowHandle>{stubborn, player, player}), desktop.closeRequests());
  EXPECT_EQ((std::vector<std::uint32_t>{100, 200, 300}), desktop.closeWaits());
  EXPECT_FALSE(desktop.isOpen(player));
  EXPECT_TRUE(desktop.isOpen(stubborn));
}

std::uint32_t respond(void* argument) {
  auto* threads = static_cast<SimThreads*>(argument);
  for (;;) threads->sleep(2000);
}

struct StopLoop {};

TEST(SimThreadsRecording, CreateRecordsWithoutRunningAndRunStopsAtTheHook) {
  SimThreads threads;
  const ThreadHandle thread = threads.create(respond, &threads);
  ASSERT_EQ(1u, threads.starts().size());
  EXPECT_EQ(&threads, threads.starts()[0].argument);
  EXPECT_TRUE(threads.sleeps().empty());
  int rounds = 0;
  threads.setSleepHook([&](std::uint32_t) {
    if (++rounds == 3) throw StopLoop{};
  });
  EXPECT_THROW(threads.run(thread), StopLoop);
  EXPECT_EQ((std::vector<std::uint32_t>{2000, 2000, 2000}), threads.sleeps());
}

TEST(SimThreadsRecording, TerminateRecordsItsCodeAndAnEndedThreadKeepsItsOwn) {
  SimThreads threads;
  const ThreadHandle running = threads.create(respond, &threads);
  const ThreadHandle ended = threads.create(respond, &threads);
  threads.finish(ended, 0);
  EXPECT_TRUE(threads.terminate(running, 1));
  EXPECT_TRUE(threads.terminate(ended, 1));
  std::uint32_t code = 99;
  threads.exitCode(ended, &code);
  EXPECT_EQ(0u, code);
  EXPECT_EQ((std::vector<std::pair<ThreadHandle, std::uint32_t>>{{running, 1}, {ended, 1}}),
            threads.terminations());
}

TEST(SimThreadsRecording, InjectedFailures) {
  SimThreads threads;
  threads.failures().once("create", 8);
  EXPECT_EQ(0u, threads.create(respond, nullptr));
  const ThreadHandle thread = threads.create(respond, nullptr);
  threads.failures().once("exitCode", 6);
  std::uint32_t code = 0;
  EXPECT_FALSE(threads.exitCode(thread, &code));
  EXPECT_TRUE(threads.exitCode(thread, &code));
  EXPECT_EQ(kStillActive, code);
}

TEST(SimSystemInfoFailures, EachVersionRecordFailsOnItsOwn) {
  SimSystemInfo system;
  system.setMajorVersion(5);
  system.failures().always("getVersion", 1, "156");
  std::uint32_t major = 0;
  EXPECT_FALSE(system.getVersion(156, &major));
  EXPECT_TRUE(system.getVersion(148, &major));
  EXPECT_EQ(5u, major);
}

TEST(SimSystemInfoFailures, LongModulePathIsCutToTheBuffer) {
  SimSystemInfo system;
  system.setModulePath("C:\\" + std::string(300, 'x') + ".exe");
  EXPECT_EQ(259u, system.modulePath().size());
}

}  // namespace
}  // namespace sc::sim
