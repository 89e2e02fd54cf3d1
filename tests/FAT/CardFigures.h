#pragma once
// What the engine (through velmora-probe: scan, then recover every found
// file), The Sleuth Kit (fls, icat) and photorec give back of a card's files,
// counted the same way for all three: files exact by name, files whose bytes
// come back only carved (or under another name), files lost, and files
// recovered under a name holding another file's bytes.
#include "FAT/CardImages.h"

#include <nlohmann/json.hpp>

#include <map>
#include <string>
#include <vector>

namespace FatTest {

struct Figures {
    bool ran = false; // the reader read the volume
    size_t exactByName = 0;
    size_t carvedOnly = 0;
    size_t lost = 0;
    size_t foreign = 0;
    std::vector<std::string> foreignNames; // the recovered names holding another file's bytes
};

struct EngineRun {
    bool failed = false;   // a ScanFailed came
    int failureCode = 0;   // its result code
    bool finished = false; // a ScanFinished came
    std::vector<nlohmann::json> files;      // the found-file lines
    std::map<std::string, bool> exact;      // written path -> came back byte-exact under its name
    // written path -> data state of a record of its name: a live one, else (a
    // volume found raw lists its files as deleted) the first met
    std::map<std::string, int> dataState;
    Figures figures;
};

// Scans the card's first volume with velmora-probe (VELMORA_CARD_PROBE names
// another build's), recovers every found file into work and counts.
EngineRun RunEngine(const Card& card, const std::string& disk, const std::string& work);
// fls -r -p and icat at the card's volume.
Figures RunSleuthKit(const Card& card, const std::string& disk, const std::string& work);
// photorec over the whole disk: files it carves whole count as carved.
Figures RunPhotorec(const Card& card, const std::string& disk, const std::string& work);

// "12/0/3/0": exact by name, carved only, lost, with foreign bytes; "-" when it did not read the volume.
std::string FiguresText(const Figures& f);

}
