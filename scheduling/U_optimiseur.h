#pragma once
// The optimised placement: places what the automatic pass would leave, as much of it as the
// day bounds allow, without moving a course already placed.
#include "scheduling/U_automate.h"

// Called now and then during the search; returning false stops it, keeping the best found.
// The search holds nothing of the model meanwhile, but the model must not change.
class IProgressionOptimisation {
public:
    virtual ~IProgressionOptimisation() = default;
    virtual bool Continuer(long Places, long APlacer) = 0;
};

struct TBilanOptimisation {
    long Places;     // quarter-hours placed, each subject counted up to its volume
    long APlacer;    // the volumes of the subjects that have a teacher listing the class
    long Borne;      // the most the day bounds let the classes and teachers hold
    bool Interrompu; // stopped by the user
};

// Quarter-hours placed, each subject up to its volume, and (in APlacer) the volumes, over
// the subjects whose teacher exists and lists the class: the figures of TBilanOptimisation.
long QuartsPlacesDuModele(long& APlacer);

// Search steps, not time, so that a file gives the same timetable on every machine.
constexpr long EtapesParDefaut = 300000;

// Works on LesSeries/LesProfs/LesClasses with the day bounds of Reglages; writes its runs
// at the end through TClasse::PlacerPlage and TProf::PlacerPlage; shows no message.
// Never places fewer quarter-hours than PlacementAutomatique would from the same state.
TBilanOptimisation PlacementOptimise(const TAutomate& Reglages, long Etapes = EtapesParDefaut,
                                     IProgressionOptimisation* Progression = nullptr);
