// The bytes of an answer in one of the valid forms an HTTP server may give
// it, from the emulator's own chunked and kept-open answers to those of real
// router firmware (bare LF line ends, HTTP/1.0, no head at all).
#pragma once

#include "FaultMode.h"
#include "HttpResponse.h"

#include <string>

// `host` is the request's Host value, which a firmware redirect builds on.
// A mode that is not a valid answer form gives the normal answer.
std::string RenderAnswerForm(FaultMode form, const HttpResponse& answer, const std::string& host);
