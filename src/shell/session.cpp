#include "shell/session.h"

namespace corvella {

Session::Session(Ui& u, std::filesystem::path workingFolder)
    : ws_(u, std::move(workingFolder)),
      ui(ws_.ui),
      dir(ws_.store.folder),
      CurrentUser(ws_.records.CurrentUser),
      programEnded(ws_.programEnded),
      main(ws_.main),
      result(ws_.result),
      profile(ws_.records.profile),
      state(ws_.records.state),
      city(ws_.records.city),
      nonCity(ws_.records.nonCity),
      ledger(ws_.records.ledger),
      ot(ws_.records.ot),
      fed(ws_.fed),
      header(ws_.header),
      screens_(ws_),
      files_(ws_, screens_),
      runner_(ws_, screens_, files_),
      employees_(ws_, screens_, files_, runner_),
      settings_(ws_, screens_, files_),
      ledgerCommands_(ws_, screens_),
      tools_(ws_, screens_, files_),
      periods_(ws_),
      printCommands_(ws_, files_, runner_) {
    ws_.reopen = [this] { employees_.reopen(); };
}

}  // namespace corvella
