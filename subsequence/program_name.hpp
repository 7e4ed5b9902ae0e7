// The program's name: its files are subsequence.in and subsequence.out, and its refusals begin
// "subsequence: ".
#pragma once

constexpr char kProgram[] = "subsequence";
