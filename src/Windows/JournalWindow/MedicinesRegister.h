#pragma once

#include <memory>
#include <vector>

class CTableDrawer;
class CWnd;

// The register of veterinary medicines a beekeeper must keep: every treatment of a year, one line
// each, with its days, medicine, batch, dose, colonies, the end of its withdrawal and who
// prescribed it; printed in the print preview, which also saves it as PDF.

// The years with treatments, latest first; this year when there are none.
std::vector<int> RegisterYears();
// The register's lines of the year in a grid, by first day: the treatments whose days fall in it.
void FillRegister(CTableDrawer& grid, int year);
void PrintMedicinesRegister(int year, CWnd* parent);
