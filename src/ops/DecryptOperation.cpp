#include <optional>
#include <string>
#include <vector>

#include "format/CryptHeader.h"
#include "format/CryptMethod.h"
#include "methods/MethodRoutines.h"
#include "ops/Commands.h"
#include "ops/DecryptTarget.h"
#include "ops/HeaderSoundness.h"
#include "ops/LinkedName.h"
#include "ops/PartialOutput.h"
#include "ops/PasswordCheck.h"
#include "ops/PendingNameGuard.h"
#include "platform/CFile.h"
#include "platform/Desktop.h"
#include "platform/Secret.h"

namespace quorvane {

Outcome OnFileDecrypt(AppState& app, Desktop& desktop) {
  PendingNameGuard clearPending(app);
  // Taken now: a run nested in this one (a drop while the meter runs) may change it.
  const std::string pendingName = app.m_strPendingFile;

  if (app.options.AlwaysAskOptions) OnFileOptions(app, desktop);

  std::string cryptName = pendingName;
  std::string targetName;  // empty: the name recorded in the header
  const bool allowNewName = app.options.AllowNewDecryptionName != 0;
  if (pendingName.empty() || allowNewName) {
    const std::optional<FileNames> names = desktop.AskDecryptNames(pendingName, allowNewName);
    if (!names) return Outcome::Cancelled;
    if (pendingName.empty()) cryptName = names->source;
    if (allowNewName) targetName = names->target;
  }

  std::optional<std::string> password = desktop.AskDecryptPassword();
  if (!password) {
    desktop.Message("Decryption Operation Cancelled.", MessageIcon::Information);
    return Outcome::Cancelled;
  }
  const std::vector<std::string> signatures = SignaturesForTypedPassword(*password);
  ClearSecret(*password);  // only the signatures are needed from here on

  CFile crypt;
  if (!crypt.Open(cryptName, CFile::modeRead | CFile::shareExclusive)) {
    desktop.Message("Unable to open file for decryption.", MessageIcon::Stop);
    return Outcome::Failed;
  }
  const CryptHeader header = ReadCryptHeader(crypt);
  if (header.Method() == MethodTrashed) {
    desktop.Message("This file was encrypted using the 'Trashed' method and cannot be decrypted.",
                    MessageIcon::Exclamation);
    return Outcome::Refused;
  }
  if (!HeaderIsDecryptable(header, crypt.GetLength())) {
    desktop.Message("The file you selected is not a Quorvane encrypted file.",
                    MessageIcon::Exclamation);
    return Outcome::Refused;
  }
  if (!AnySignatureMatches(header, signatures)) {
    desktop.Message("The password you gave for this file is incorrect.", MessageIcon::Exclamation);
    return Outcome::Refused;
  }
  if (targetName.empty()) targetName = TargetNameFromHeader(header, cryptName).value_or("");

  // A target that is the crypt itself, by any name, fails here: the crypt is locked.
  CFile target;
  if (targetName.empty() ||
      !target.Open(targetName, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive)) {
    desktop.Message("Unable to create unencrypted file.", MessageIcon::Stop);
    return Outcome::Failed;
  }

  int result = 0;
  {
    PartialOutput partialTarget(target, targetName);
    // The header check admits only methods 0 to 3, and each of them has a routine.
    const MethodRoutine routine = DecryptRoutineFor(header.Method());
    result = routine(crypt, target, desktop);
    target.Flush();
    if (target.GetLength() != header.OriginalSize()) {
      desktop.Message(
          "WARNING: Decrypted file length does not match the length of the original file"
          " stored in the encrypted header. The decrypted file may have errors.",
          MessageIcon::Exclamation);
    }
    target.Close();
    crypt.Close();
    partialTarget.Keep();
  }

  if (result == 0) {
    CFile::Remove(FileBehindName(targetName));
    return Outcome::Cancelled;
  }
  if (app.options.DeleteCryptAfterDecryption) {
    // The decrypted file and its name are on the disk before the crypt goes.
    CFile::SyncDirectoryOf(targetName);
    CFile::Remove(cryptName);
  }
  desktop.Message("Decryption Process Completed.", MessageIcon::Information);
  return Outcome::Completed;
}

}  // namespace quorvane
