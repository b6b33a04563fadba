// The whole simulated Windows, owned in one place, for tests and headless runs.
#pragma once

#include "platform/platform.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_file_system.h"
#include "platform/sim/sim_launcher.h"
#include "platform/sim/sim_registry.h"
#include "platform/sim/sim_session.h"
#include "platform/sim/sim_shell.h"
#include "platform/sim/sim_single_instance.h"
#include "platform/sim/sim_system_info.h"
#include "platform/sim/sim_taskbar.h"
#include "platform/sim/sim_threads.h"

namespace sc::sim {

struct SimPlatform {
  SimRegistry registry;
  SimSystemInfo system;
  SimFileSystem files;
  SimShell shell{&files};
  SimDesktop desktop;
  SimThreads threads;
  SimSingleInstance instance;
  SimSession session;
  SimTaskbar taskbar;
  SimLauncher launcher;

  Platform platform() {
    return Platform{registry, system,   files,   shell,   desktop,
                    threads,  instance, session, taskbar, launcher};
  }
};

}  // namespace sc::sim
