// What tells the two substitute players apart.
#pragma once

namespace sc::tools {

enum class PlayerKind { MediaPlayer, ITunes };

struct PlayerIdentity {
  PlayerKind kind;
  const char* title;       // the main window's exact caption
  const char* class_name;  // the main window's class
};

constexpr PlayerIdentity kMediaPlayer{PlayerKind::MediaPlayer, "Windows Media Player",
                                      "SubstituteMediaPlayerMain"};
constexpr PlayerIdentity kITunes{PlayerKind::ITunes, "iTunes", "SubstituteITunesMain"};

}  // namespace sc::tools
