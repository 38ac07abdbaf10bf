#include "metadata/iptc.h"

TIPTCdata::TIPTCdata(TimgData* owner) : Owner(owner) {}
