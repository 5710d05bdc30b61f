#include "patterns/reset.h"

#include "patterns/drops/drop_reset.h"
#include "patterns/streams/curving_chain.h"
#include "patterns/streams/spiral_stream.h"
#include "patterns/streams/step_stream.h"

namespace patterns {

void ResetPatternTables() {
  ResetDropTables();
  // The streams boss by boss (scenes 2, 4, 8, 5, 6, 7, 3, 9), in the order
  // their random start values are drawn.
  ResetScene2SpiralStreams();
  ResetWiggleStreams();
  ResetScene8SpiralStreams();
  ResetScene5CurvingStreams();
  for (const CurvingChainInstance* c : {&CurvingChain01, &CurvingChain02, &CurvingChain03, &CurvingChain04}) c->Reset();
  ResetScene6CurvingStreams();
  for (const CurvingChainInstance* c : {&CurvingChain05, &CurvingChain06}) c->Reset();
}

}  // namespace patterns
