#pragma once
// The "Contraintes" section that follows the settings in a timetable file: the teachers' and
// classes' availability grids and the locked runs. Readers that stop at the settings ignore it.
#include "model/U_base.h"

// Appends the section, or nothing when every grid is libre and no course is locked.
void SauverContraintes(TLignes& Lignes);
// Reads the section when the line at Position is "Contraintes"; anything else means no
// constraints. Throws ELectureArchive when the section does not read whole.
void ChargerContraintes(const TLignes& Lignes, std::size_t& Position);
