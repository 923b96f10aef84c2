// Drawing code of our pictures comes here.
