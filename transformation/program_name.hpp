// The program's name: its files are transformation.in and transformation.out, and its refusals
// begin "transformation: ".
#pragma once

constexpr char kProgram[] = "transformation";
