// expression.out, written a buffer of whole answer lines at a time straight to the file.
// When a write fails part way (a full disk, a file-size limit), the file is cut back to
// the answer lines completely written before it, so it never ends in half an answer.
#pragma once

// Binds the answers to expression.out, once it is open (standard output).
void startAnswers();

// Appends the answer line "value\n"; writes the buffer first when it is full. Returns 0,
// or the reason (an errno value) of a write that failed.
int writeAnswer(int value);

// Writes every buffered answer line. Returns 0, or the reason of a write that failed.
int flushAnswers();
