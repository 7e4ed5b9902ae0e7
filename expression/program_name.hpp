// The program's name: its files are expression.in and expression.out, and its refusals begin
// "expression: ".
#pragma once

constexpr char kProgram[] = "expression";
