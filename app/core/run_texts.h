#pragma once
// The German texts that every front end of the run shows. The run itself
// reports typed results; a front end turns them into these words, so no
// front end ever recognises a message by its text.

#include <cstddef>
#include <string>

inline constexpr char kFoldersNotChosenText[] =
    "Bitte zuerst den Quell und Zielordner der Daten auswählen!";
inline constexpr char kSourceMissingText[] = "Der Quellordner existiert nicht (mehr)!";
inline constexpr char kTargetMissingText[] = "Der Zielordner existiert nicht (mehr)!";

inline constexpr char kNothingFoundText[] = "Es wurden keine gültigen Daten gefunden";
inline constexpr char kStartQuestion[] = "Mit der Arbeit anfangen?";
inline constexpr char kOpenTargetQuestion[] = "Fertig! Ziel-Ordner jetzt öffnen?";

// "Insgesamt N Dateien gefunden."
std::string FoundFilesText(size_t count);
