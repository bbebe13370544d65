// SPDX-License-Identifier: MIT
// Apache Commons Validator's check-digit routines on a file of numbers, for
// the side-by-side with bench/check_loop.cpp (same file, same output):
//   java -cp commons-validator.jar:DIR CheckDigitBench Luhn|EAN|Verhoeff FILE [PASSES]
// Reads the lines into memory, warms the JIT up with untimed passes for at
// least three seconds, then runs PASSES timed passes (default 5) and prints
// the best: "NAME NUMBERS VALID NS_PER_CHECK".
import java.nio.file.Files;
import java.nio.file.Paths;
import java.util.List;
import org.apache.commons.validator.routines.checkdigit.CheckDigit;
import org.apache.commons.validator.routines.checkdigit.EAN13CheckDigit;
import org.apache.commons.validator.routines.checkdigit.LuhnCheckDigit;
import org.apache.commons.validator.routines.checkdigit.VerhoeffCheckDigit;

public final class CheckDigitBench {
  private static long pass(CheckDigit routine, String[] numbers) {
    long valid = 0;
    for (String number : numbers) {
      if (routine.isValid(number)) valid++;
    }
    return valid;
  }

  public static void main(String[] args) throws Exception {
    if (args.length < 2) {
      System.err.println("usage: CheckDigitBench Luhn|EAN|Verhoeff FILE [PASSES]");
      System.exit(2);
    }
    CheckDigit routine;
    switch (args[0]) {
      case "Luhn": routine = LuhnCheckDigit.LUHN_CHECK_DIGIT; break;
      case "EAN": routine = EAN13CheckDigit.EAN13_CHECK_DIGIT; break;
      case "Verhoeff": routine = VerhoeffCheckDigit.VERHOEFF_CHECK_DIGIT; break;
      default: System.err.println("unknown routine " + args[0]); System.exit(2); return;
    }
    List<String> lines = Files.readAllLines(Paths.get(args[1]));
    String[] numbers = lines.toArray(new String[0]);
    int passes = args.length > 2 ? Math.max(1, Integer.parseInt(args[2])) : 5;

    long valid = pass(routine, numbers);
    long warmUpEnd = System.nanoTime() + 3_000_000_000L;
    for (int i = 0; i < 3 || System.nanoTime() < warmUpEnd; i++) {
      if (pass(routine, numbers) != valid) throw new IllegalStateException("unstable result");
    }
    double best = Double.MAX_VALUE;
    for (int i = 0; i < passes; i++) {
      long start = System.nanoTime();
      long count = pass(routine, numbers);
      long took = System.nanoTime() - start;
      if (count != valid) throw new IllegalStateException("unstable result");
      best = Math.min(best, (double) took / numbers.length);
    }
    System.out.printf("%s %d %d %.2f%n", args[0], numbers.length, valid, best);
  }
}
