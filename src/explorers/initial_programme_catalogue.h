#pragma once
// What the initial programmes' tables tell of a programme (line p of
// `fpip`): `ipmodulos` holds ten lines per programme, its five modules
// ((p - 1) x 10 + 1 to + 5) then its five job positions; `informa` holds what
// every programme asks for (code "38") and what is studied (code "39").

#include <QByteArray>

#include <vector>

namespace velmira {

std::vector<QByteArray> modulesOfProgramme(int programme);
std::vector<QByteArray> programmeRequirements();
std::vector<QByteArray> programmeStudies();

} // namespace velmira
