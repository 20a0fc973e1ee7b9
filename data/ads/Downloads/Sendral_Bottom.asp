<!DOCTYPE html>
<html>
<head><meta charset="utf-8"><title>Jataka Desk</title></head>
<body style="background-color:#fffcec; font-family:sans-serif">
<p><b>Jataka Desk 0.1</b> is free software. Save a chart from the birth-details
window to have it cast again the next time the program starts.</p>
</body>
</html>
