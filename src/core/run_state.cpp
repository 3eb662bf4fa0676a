#include "core/run_state.h"

#include "core/game.h"

namespace zunda {

void CarryOverRunState(const Game& from, Game& to) {
  to.Stopped = from.Stopped;
  to.ErrorCode = from.ErrorCode;
  to.AppPath = from.AppPath;
  to.DataDir = from.DataDir;
  to.HelpDir = from.HelpDir;
  to.SkinDir = from.SkinDir;
  to.SoundDir = from.SoundDir;
  to.VersionText = from.VersionText;
  to.OptionFilePresent = from.OptionFilePresent;
  to.SavedHandExists = from.SavedHandExists;
  to.Store = from.Store;
  to.Decisions = from.Decisions;
  to.PlayerCount = from.PlayerCount;
  to.CardWeight = from.CardWeight;
  to.DelayTimeShunPai = from.DelayTimeShunPai;
  to.DelayTimeZundaPai = from.DelayTimeZundaPai;
  to.DelayTimeKouPai = from.DelayTimeKouPai;
  to.DelayTimeShaoPai = from.DelayTimeShaoPai;
  to.Options = from.Options;
  to.Skins = from.Skins;
  // The conveniences (hint cycle, autoplay, held round) belong to this run, not to the hand.
  to.Extras = from.Extras;
  // The hand's record goes on through a restore, which is one of its actions.
  to.Record = from.Record;
  to.PresetDecks = from.PresetDecks;
  to.PresetDecksDealt = from.PresetDecksDealt;
  for (int seat = 1; seat <= kSeats; ++seat)
    to.Seats[seat].Stats = from.Seats[seat].Stats;

  to.Flow.Paused = from.Flow.Paused;
  to.Flow.StopRequested = from.Flow.StopRequested;
  to.Flow.ExitRequested = from.Flow.ExitRequested;
  to.Flow.InTick = from.Flow.InTick;
  to.Flow.NewGameRequested = from.Flow.NewGameRequested;
  to.Input.OtherWindowOpen = from.Input.OtherWindowOpen;
  to.Storage.SaveRequested = from.Storage.SaveRequested;
  to.Storage.RestoreRequested = from.Storage.RestoreRequested;
  to.Storage.FailedSavesTold = from.Storage.FailedSavesTold;

  const MainWindowControls& a = from.Win;
  MainWindowControls& b = to.Win;
  b.Caption = a.Caption;
  b.Minimized = a.Minimized;
  b.CloseRequested = a.CloseRequested;
  b.LblStatusBar[1] = a.LblStatusBar[1];
  b.LblStatusBar[2] = a.LblStatusBar[2];
  b.TmrMainCircle = a.TmrMainCircle;
  b.TmrDelay = a.TmrDelay;
  b.TmrMedia = a.TmrMedia;
  b.MnuZundaRun = a.MnuZundaRun;
  b.MnuZundaEnd = a.MnuZundaEnd;
  b.MnuSave = a.MnuSave;
  b.MnuRead = a.MnuRead;
  b.MnuForcePause = a.MnuForcePause;
}

}  // namespace zunda
