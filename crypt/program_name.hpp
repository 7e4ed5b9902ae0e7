// The program's name: its files are crypt.in and crypt.out, and its refusals begin "crypt: ".
#pragma once

constexpr char kProgram[] = "crypt";
