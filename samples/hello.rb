# Prints a few lines and answers the last expression's value.
puts "Hello from Ruby #{RUBY_VERSION}"
squares = (1..5).map { |n| n * n }
puts "squares: #{squares.join(', ')}"
$stderr.puts "a warning goes to the same console"
squares.sum / 3.0
