// The painter program these tests' long PDF files are painted with: the one
// of their build, as the program looks for its own only beside itself.

#include "platform/reportpaint/paintprocess.h"

namespace {

[[maybe_unused]] const bool kPainterOfTheBuild = [] {
    report::PaintProcess::setProgram(QStringLiteral(KV_PAINTER_OF_BUILD));
    return true;
}();

}  // namespace
