#pragma once

// Answers the request in the working directory without a window: reads
// "request.3d", renders it, writes "reply.3d" and the updated "request.3d".

#include <string>

// Returns the exit status: 0 when both files were written; otherwise the
// reason is in error and nothing was written (a malformed request stays
// where it was).
int AnswerRequestInBatch(std::string& error);
