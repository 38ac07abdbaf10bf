#include "tests/kit/fake_modal.h"

namespace testkit {

bool FakeModal::NextAnswer() {
  if (answers.empty()) return false;
  const bool answer = answers.front();
  answers.pop_front();
  return answer;
}

void FakeModal::Information(const std::string& text) {
  requests.push_back({ModalKind::Information, text});
}

void FakeModal::Error(const std::string& text) {
  requests.push_back({ModalKind::Error, text});
}

void FakeModal::Warning(const std::string& text) {
  requests.push_back({ModalKind::Warning, text});
}

bool FakeModal::Confirm(const std::string& text) {
  requests.push_back({ModalKind::Confirm, text});
  return NextAnswer();
}

void FakeModal::Message(const std::string& text) {
  requests.push_back({ModalKind::Message, text});
}

bool FakeModal::AskYesNo(const std::string& question) {
  requests.push_back({ModalKind::AskYesNo, question});
  return NextAnswer();
}

void FakeModal::Report(const RunReport& report) {
  requests.push_back({ModalKind::Report, report.summary});
  reports.push_back(report);
}

std::optional<std::string> FakeModal::BrowseFolder(const std::string& caption) {
  requests.push_back({ModalKind::BrowseFolder, caption});
  if (folders.empty()) return std::nullopt;
  std::optional<std::string> folder = folders.front();
  folders.pop_front();
  return folder;
}

FolderOpening FakeModal::OpenFolder(const std::string& folder) {
  requests.push_back({ModalKind::OpenFolder, folder});
  if (openings.empty()) return FolderOpening::Opened;
  const FolderOpening opening = openings.front();
  openings.pop_front();
  return opening;
}

void FakeModal::ApplicationError(const std::string& message) {
  requests.push_back({ModalKind::ApplicationError, message});
}

} // namespace testkit
