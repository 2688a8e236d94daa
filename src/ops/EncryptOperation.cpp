#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "format/CryptHeader.h"
#include "methods/MethodRoutines.h"
#include "ops/Commands.h"
#include "ops/CrpExtension.h"
#include "ops/LinkedName.h"
#include "ops/PartialOutput.h"
#include "ops/PasswordCheck.h"
#include "ops/PendingNameGuard.h"
#include "platform/CFile.h"
#include "platform/Desktop.h"
#include "platform/Secret.h"
#include "services/WipeFile.h"

namespace quorvane {

namespace {

// Adds the hidden attribute to those the crypt has.
void MarkHidden(const std::string& fileName) {
  CFileStatus status;
  if (!CFile::GetStatus(fileName, status)) {
    throw CFileException(CFileException::fileNotFound, fileName);
  }
  status.m_attribute |= CFileStatus::hidden;
  CFile::SetStatus(fileName, status);
}

}  // namespace

Outcome OnFileEncrypt(AppState& app, Desktop& desktop) {
  PendingNameGuard clearPending(app);
  // Taken now: a run nested in this one (a drop while the meter runs) may change it.
  const std::string pendingName = app.m_strPendingFile;

  if (app.options.AlwaysAskOptions) OnFileOptions(app, desktop);

  const std::optional<FileNames> names = desktop.AskEncryptNames(pendingName);
  if (!names) return Outcome::Cancelled;
  const std::string originalName = pendingName.empty() ? names->source : pendingName;
  std::string cryptName = names->target;
  if (cryptName.empty()) {
    desktop.Message("Invalid Encrypted File Name", MessageIcon::Exclamation);
    return Outcome::Refused;
  }
  if (app.options.ForceCryptToHaveCRPExtention) cryptName = ForceCrpExtension(cryptName);

  std::optional<std::string> password = desktop.AskEncryptPassword();
  if (!password) {
    desktop.Message("Cancelling Encryption Operation", MessageIcon::Information);
    return Outcome::Cancelled;
  }
  const std::string signature = SignatureForNewCrypt(*password);
  ClearSecret(*password);  // only the signature is needed from here on

  CFile original;
  if (!original.Open(originalName, CFile::modeRead | CFile::shareExclusive)) {
    desktop.Message("Cannot open file selected for encryption. Process aborted.",
                    MessageIcon::Stop);
    return Outcome::Failed;
  }
  // The header holds the length in 32 bits; a longer original would get a body cut short.
  const std::uint64_t originalLength = original.GetLength();
  if (originalLength > std::numeric_limits<std::uint32_t>::max()) {
    desktop.Message(
        "The file selected for encryption is too large (4 GB or more). Process aborted.",
        MessageIcon::Stop);
    return Outcome::Refused;
  }
  const std::optional<std::string> header =
      BuildCryptHeader(originalName, static_cast<std::uint32_t>(originalLength), signature,
                       app.options.EncryptionMethod);

  // Creating over the original itself, by any name, fails here: the original is locked.
  CFile crypt;
  if (!header ||
      !crypt.Open(cryptName, CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive)) {
    desktop.Message("Cannot create encrypted file. Process aborted.", MessageIcon::Stop);
    return Outcome::Failed;
  }

  int result = 0;
  {
    PartialOutput partialCrypt(crypt, cryptName);
    crypt.Write(header->data(), header->size());
    const MethodRoutine routine = EncryptRoutineFor(static_cast<unsigned char>((*header)[3]));
    result = routine(original, crypt, desktop);
    original.Close();
    crypt.Flush();
    crypt.Close();
    partialCrypt.Keep();
  }

  if (result == 0) {
    CFile::Remove(FileBehindName(cryptName));
    return Outcome::Cancelled;
  }

  if (app.options.WipeandDeleteOriginalFile) {
    // The crypt is on the disk, its name too, before the only other copy is destroyed.
    CFile::SyncDirectoryOf(cryptName);
    WipeFile(originalName, desktop);
    CFile::Remove(FileBehindName(originalName));
  }
  if (app.options.AlwaysShowStats) ShowCryptStatistics(cryptName, desktop);
  if (app.options.MarkCryptAsHiddenFile) MarkHidden(cryptName);

  desktop.Message("Encryption Process Completed.", MessageIcon::Information);
  return Outcome::Completed;
}

}  // namespace quorvane
