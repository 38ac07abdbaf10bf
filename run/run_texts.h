#pragma once
// The German texts that every front end of the run shows. The run itself
// reports typed results; a front end turns them into these words, so no
// front end ever recognises a message by its text.

#include "run/file_outcome.h"
#include "run/run_mode.h"
#include "run/undo_scope.h"

#include <cstddef>
#include <string>

inline constexpr char kFoldersNotChosenText[] =
    "Bitte zuerst den Quell und Zielordner der Daten auswählen!";
inline constexpr char kSourceMissingText[] = "Der Quellordner existiert nicht (mehr)!";
inline constexpr char kTargetMissingText[] = "Der Zielordner existiert nicht (mehr)!";
inline constexpr char kBackupMissingText[] = "Der Sicherungsordner existiert nicht (mehr)!";
inline constexpr char kBackupInsideText[] =
    "Der Sicherungsordner darf nicht im Quell- oder Zielordner liegen.";

inline constexpr char kNothingFoundText[] = "Es wurden keine gültigen Daten gefunden";
inline constexpr char kStartQuestion[] = "Mit der Arbeit anfangen?";
inline constexpr char kOpenTargetQuestion[] = "Fertig! Ziel-Ordner jetzt öffnen?";
// Another run or undo holds the source folder (RunOutcome::SourceBusy).
inline constexpr char kSourceBusyText[] =
    "Eine andere Verteilung arbeitet gerade mit diesem Quellordner.";
// The status line once a run or an undo has gone through every file.
inline constexpr char kFinishedText[] = "Fertig!";

// Why a file stayed (StayReason).
inline constexpr char kDateUnreadableText[] = "Datum nicht lesbar: ";
inline constexpr char kNoSpaceText[] = "kein Platz im Ziel";
inline constexpr char kTargetNotWritableText[] = "Ziel nicht beschreibbar";
inline constexpr char kNameNotPossibleText[] = "Name im Ziel nicht möglich";
inline constexpr char kNameTakenText[] = "Name im Ziel belegt";
inline constexpr char kChangedWhileMovingText[] = "während des Verschiebens geändert";
inline constexpr char kNotRegularFileText[] = "keine reguläre Datei";
inline constexpr char kFolderUnreadableText[] = "Ordner nicht lesbar";
inline constexpr char kMoveErrorText[] = "Fehler beim Verschieben: ";
// The same two in a copy run.
inline constexpr char kChangedWhileCopyingText[] = "während des Kopierens geändert";
inline constexpr char kCopyErrorText[] = "Fehler beim Kopieren: ";
inline constexpr char kVanishedText[] = "nicht mehr vorhanden";
inline constexpr char kCopyFaultyText[] = "Kopie fehlerhaft (Lesefehler im Ziel)";
// The copy into the second target failed, followed by why.
inline constexpr char kBackupFailedText[] = "Kopie im Sicherungsordner fehlgeschlagen: ";
inline constexpr char kSourceNotRemovableText[] = "Quelle nicht löschbar";
inline constexpr char kLinkIntoSourceText[] = "Verknüpfung auf eine Datei der Quelle";
inline constexpr char kLeaderStayedText[] = "gehört zu einer Datei, die geblieben ist";
inline constexpr char kDiffersInTargetText[] = "weicht von der Datei im Ziel ab: ";
inline constexpr char kSplitFromGroupText[] = "nach einem Abbruch von seiner Gruppe getrennt: ";
// A file whose bytes lay in its target folder already (AlreadyInTarget).
inline constexpr char kAlreadyInTargetText[] = "schon im Ziel vorhanden";
// A file left alone where it belongs (InPlace).
inline constexpr char kInPlaceText[] = "schon am Platz";
// The status line once a run or an undo was stopped.
inline constexpr char kStoppedText[] = "Angehalten.";
// The detail of a move without a target folder text.
inline constexpr char kNoTargetFolderText[] = "kein Zielordner gewählt";

inline constexpr char kChangedSinceRunText[] = "seit der Verteilung geändert";
inline constexpr char kGoneSinceRunText[] = "nicht mehr am Ziel";
inline constexpr char kOldPlaceTakenText[] = "alter Platz belegt";
inline constexpr char kReplacedInTargetText[] = "im Ziel ersetzt";
inline constexpr char kOutsideRunText[] = "Eintrag außerhalb der Verteilung";
// A copy the undo of a copy run removed (FileResult::Removed).
inline constexpr char kRemovedText[] = "gelöscht";
inline constexpr char kOnlyCopyLeftText[] = "nicht mehr in der Quelle, die Kopie bleibt";

inline constexpr char kNothingToUndoText[] = "Keine Verteilung zum Rückgängigmachen gefunden.";
// "Verteilung vom 08.12.2026, 10:11 Uhr, von QUELLE nach ZIEL: N Dateien an
// ihren alten Platz zurücklegen?" (one file: "1 Datei"), paths escaped; for
// a copy run "…: N Dateien im Ziel löschen (die Quelle bleibt unverändert)?".
std::string UndoQuestion(const UndoScope& scope);
// "1 Datei" or "N Dateien".
std::string FilesText(size_t count);

// "Bearbeite Bild: N / M  ", the status line while a run or an undo works
// on the N-th of M files.
std::string WorkingOnText(size_t number, size_t count);

// "Insgesamt N Dateien gefunden."
std::string FoundFilesText(size_t count);

// The reason of a file that stayed, with its detail where it has one; a
// copy run's (mode Copy) says "Kopieren" where a move says "Verschieben".
std::string StayReasonText(const FileOutcome& outcome, RunMode mode = RunMode::Real);
// "QUELLE: GRUND", the path escaped: how both front ends name a file that
// stayed.
std::string StayedLine(const FileOutcome& outcome, RunMode mode = RunMode::Real);
