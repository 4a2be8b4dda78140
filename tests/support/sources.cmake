target_sources(tavernrush_test_support PRIVATE
  support/GlTestContext.cpp
)
